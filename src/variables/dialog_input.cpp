#include "variables/dialog_input.h"

#include "textnum/number_text.h"

namespace qalcor {

namespace {
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
}  // namespace

bool nameBoxAcceptsTyped(char32_t character) {
    return !isDigit(character);
}

bool valueBoxAcceptsTyped(char32_t character) {
    // DEL (127) is the text of the Delete key on X11: an editing key, not a character.
    return character < 32 || character == 127 || isDigit(character) || character == U'-' ||
           character == U'.';
}

Text normalisedValueText(TextView text) {
    Text normal = numberToText(parseDecimalPrefix(text));
    if (compareText(normal, "0") == 0) normal.clear();
    return normal;
}

}  // namespace qalcor
