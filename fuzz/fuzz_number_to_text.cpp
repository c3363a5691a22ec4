// numberToText on arbitrary doubles: at most 20 bytes, the display grammar, and read
// back by textToNumber as the value rounded to 13 significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "number_model.h"
#include "textnum/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(double)) return -1;
    double v;
    std::memcpy(&v, data, sizeof v);
    const qalcor::Text text = qalcor::numberToText(v);
    if (text.empty() || text.size() > 20) __builtin_trap();
    if (!std::isfinite(v)) return 0;
    if (!qalcor::model::matchesDisplayGrammar(text)) __builtin_trap();
    const double expected = v == 0 ? 0.0 : qalcor::model::roundedToThirteenDigits(v);
    if (qalcor::textToNumber(text) != expected) __builtin_trap();
    return 0;
}
