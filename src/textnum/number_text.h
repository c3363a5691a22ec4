#pragma once
// Conversions between doubles and the calculator's number texts.
#include <cstdint>

#include "textnum/text_operations.h"

namespace qalcor {

// The one display form: 13 significant digits, three-digit exponent, at most 20 bytes.
Text numberToText(double value);
// Reads the longest decimal prefix (full-width digits folded); 0 when there is none.
double textToNumber(TextView text);
// Reads a signed decimal integer prefix, wrapping modulo 2^32 like a 32-bit register.
std::int32_t textToInt(TextView text);
// Truncates toward zero; values beyond 32 bits saturate (NaN gives 0).
std::int32_t truncateToInt(double value);

// The parse of textToNumber without its full-width folding (the value box's normalisation).
double parseDecimalPrefix(TextView text);
// Replaces GBK full-width forms of ASCII characters by the ASCII bytes.
Text foldFullWidth(TextView text);

}  // namespace qalcor
