#include "engine/function_table.h"

#include <array>
#include <cmath>

namespace qalcor::engine {

namespace {

// clang-format off
constexpr FunctionInfo kFunctions[] = {
    // first letter a
    {"abs", 1, 1}, {"acos", 2, 1}, {"asin", 3, 1}, {"atan", 4, 1}, {"acot", 5, 1},
    // c: cosh before cos
    {"cosh", 7, 1}, {"cos", 6, 1}, {"cot", 8, 1},
    // e, f, l, m, p
    {"exp", 9, 1}, {"floor", 10, 1}, {"ln", 12, 1}, {"log", 13, 1}, {"mod", 11, 2}, {"pow", 14, 2},
    // s: sinh before sin
    {"sinh", 16, 1}, {"sin", 15, 1}, {"sqrt", 17, 1},
    // t: tanh before tan
    {"tanh", 19, 1}, {"tan", 18, 1},
};
// clang-format on

// The table indexed by code, for the evaluator's per-token lookup.
constexpr auto kByCode = [] {
    std::array<const FunctionInfo*, 20> index{};
    index.fill(&kFunctions[0]);
    for (const FunctionInfo& f : kFunctions)
        index[static_cast<std::size_t>(f.code)] = &f;
    return index;
}();

constexpr double kAcotHalfPi = 1.5707963;  // the design's eight-digit constant, not pi/2

}  // namespace

std::span<const FunctionInfo> functionsStartingWith(char letter) {
    std::size_t first = 0;
    while (first < std::size(kFunctions) && kFunctions[first].name[0] != letter)
        ++first;
    std::size_t last = first;
    while (last < std::size(kFunctions) && kFunctions[last].name[0] == letter)
        ++last;
    return {kFunctions + first, last - first};
}

const FunctionInfo& functionByCode(std::int32_t code) {
    return code >= 1 && code <= 19 ? *kByCode[static_cast<std::size_t>(code)] : kFunctions[0];
}

FunctionOutcome applyFunction(std::int32_t code, double a, double b) {
    switch (code) {
        case 1:
            return {0, std::fabs(a)};
        case 2:
            return (a < -1 || a > 1) ? FunctionOutcome{2, 0} : FunctionOutcome{0, std::acos(a)};
        case 3:
            return (a < -1 || a > 1) ? FunctionOutcome{3, 0} : FunctionOutcome{0, std::asin(a)};
        case 4:
            return {0, std::atan(a)};
        case 5:
            return {0, kAcotHalfPi - std::atan(a)};
        case 6:
            return {0, std::cos(a)};
        case 7:
            return {0, std::cosh(a)};
        case 8: {
            const double t = std::tan(a);
            if (t == 0 || std::isnan(t)) return {4, 0};
            return {0, 1 / t};
        }
        case 9:
            return {0, std::exp(a)};
        case 10:
            return {0, std::floor(a)};
        case 11:
            if (b == 0 || std::isnan(b)) return {5, 0};
            return {0, std::fmod(a, b)};  // exact, truncated quotient, sign of a
        case 12:
            return (a <= 0 || std::isnan(a)) ? FunctionOutcome{6, 0}
                                             : FunctionOutcome{0, std::log(a)};
        case 13:
            return (a <= 0 || std::isnan(a)) ? FunctionOutcome{7, 0}
                                             : FunctionOutcome{0, std::log10(a)};
        case 14:
            return {0, std::pow(a, b)};
        case 15:
            return {0, std::sin(a)};
        case 16:
            return {0, std::sinh(a)};
        case 17:
            return (a < 0 || std::isnan(a)) ? FunctionOutcome{8, 0}
                                            : FunctionOutcome{0, std::sqrt(a)};
        case 18:
            return {0, std::tan(a)};
        case 19:
            return {0, std::tanh(a)};
        default:
            return {-1, 0};
    }
}

}  // namespace qalcor::engine
