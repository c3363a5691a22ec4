// textToNumber and textToInt against models built on strtod and long division.
#include <cstddef>
#include <cstdint>
#include <string>

#include "number_model.h"
#include "textnum/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = qalcor::textToNumber(text);
    if (const auto expected = qalcor::model::textToNumberModel(text)) {
        if (!(value == *expected || (value != value && *expected != *expected))) __builtin_trap();
    }
    if (qalcor::textToInt(text) != qalcor::model::textToIntModel(text)) __builtin_trap();
    return 0;
}
