#pragma once
// The engine's named functions: names by first letter in the order they are tried,
// their codes, and what each code computes and checks.
#include <cstdint>
#include <span>

namespace qalcor::engine {

struct FunctionInfo {
    const char* name;
    std::int32_t code;  // 1 to 19
    int arity;          // values taken from the value stack
};

// Names that begin with `letter`, longer names before their prefixes; empty when none.
std::span<const FunctionInfo> functionsStartingWith(char letter);
const FunctionInfo& functionByCode(std::int32_t code);

// Status of a function application: 0 on success, else the failed domain check's code.
struct FunctionOutcome {
    int status;
    double value;
};
// `a` is the first argument (the only one for one-argument functions), `b` the second.
FunctionOutcome applyFunction(std::int32_t code, double a, double b);

}  // namespace qalcor::engine
