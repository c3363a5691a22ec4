// Integrate on arbitrary bytes: any text ends in 0 or 1, within the level bound.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/expression_parse.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double result = 0;
    const int ok = qalcor::engine::Integrate(text, 1.0, 0.0, 1e-13, result);
    if (ok != 0 && ok != 1) __builtin_trap();
    return 0;
}
