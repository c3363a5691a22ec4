#pragma once
// What the variable dialog's boxes let through as the user types, and the value box's
// clean-up when it loses the focus.
#include "textnum/text_operations.h"

namespace qalcor {

// The name box discards typed digits 0 to 9; everything else goes in.
bool nameBoxAcceptsTyped(char32_t character);
// The value box in numeric input mode: control characters, digits, '-' and '.'.
bool valueBoxAcceptsTyped(char32_t character);
// The value box's text after it lost the focus: the number it starts with, in the
// display form, and the empty text for zero.
Text normalisedValueText(TextView text);

}  // namespace qalcor
