#pragma once
// The expression engine: syntax check, compilation of infix text to postfix tokens,
// evaluation at one value of x, and Romberg integration over an interval.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/small_vector.h"

namespace qalcor::engine {

struct Token {
    enum Kind : std::int32_t { Number = 0, Operator = 1, Function = 2, Variable = 3 };
    std::int32_t kind = Number;
    double value = 0.0;     // Number
    char op = 0;            // Operator: + - * / ~ ( ; '#' ends the sequence
    std::int32_t func = 0;  // Function code
};

// How `x` enters the compiled sequence: as the number x held when compiling (the
// classic way, compile again at every sample) or as a reference read at evaluation.
enum class XBinding { CurrentValue, Reference };

class ExpressionEvaluator {
  public:
    void SetText(std::string_view text);
    int CheckSyntax();  // 1 accept, 0 reject
    void Compile(XBinding binding);
    int Evaluate();  // 0 success, -1 malformed, 1 division by zero, 2..8 domain checks

    // Evaluates a sequence compiled with XBinding::Reference at up to laneCount() values of
    // x at once, each lane exactly as Evaluate would. Returns 0 when every lane succeeded,
    // else the status of a failed lane.
    int EvaluateLanes(const double* xs, double* out, std::size_t count);
    std::size_t laneCount();

    double x = 0.0;
    double result = 0.0;
    SmallVector<Token, 64> tokens;  // ends with the terminator

    bool dependsOnX() const;
    // Work units of one evaluation, for the integration's level bound.
    std::int64_t evaluationCost() const;

  private:
    SmallVector<char, 128> text_;
    SmallVector<Token, 32> operatorStack_;
    SmallVector<double, 64> valueStack_;
    SmallVector<double, 256> laneStack_;  // one row of lanes per stack level
    std::size_t lanes_ = 0;
};

// The literal parser of a run of digits and points.
double ParseNumber(std::string_view literal);
// Compares `name` with the text at `position`; on a match advances it and returns 1.
int MatchName(std::string_view text, std::size_t& position, std::string_view name);

enum class SamplingMode { CompileOnce, CompileEverySample };

// Integrates the expression in x over [lower, upper]. Returns 1 and writes `result` on
// success; returns 0 and leaves `result` untouched otherwise.
int Integrate(std::string_view text, double upper, double lower, double tolerance, double& result,
              SamplingMode mode = SamplingMode::CompileOnce);

// The deepest Romberg level that an expression of this cost may reach; depends only on
// the text, so the same entry always gives the same answer.
int rombergLevelBound(std::int64_t evaluationCost);

}  // namespace qalcor::engine
