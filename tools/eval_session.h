#pragma once
// The terminal evaluator: entry texts in UTF-8, one per line, evaluated as the window
// would, with the answer register carried from line to line.
#include <iosfwd>
#include <string>
#include <vector>

#include "variables/variable_store.h"

namespace qalcor {

struct EvalOptions {
    std::vector<std::pair<std::string, std::string>> variables;  // UTF-8 name, value
    bool help = false;
};

struct ParsedArguments {
    EvalOptions options;
    std::string error;  // empty when the arguments are fine
};

ParsedArguments parseEvalArguments(const std::vector<std::string>& args);
const char* evalUsage();

class EvalSession {
  public:
    // Adds the variables in order; returns an error message for the first bad name.
    std::string addVariables(const EvalOptions& options);
    // What the result box shows for one line of input, in UTF-8.
    std::string evaluateLine(std::string line);
    // Reads lines until the end of `in`, writing one result line for each.
    void run(std::istream& in, std::ostream& out);

  private:
    VariableStore store_;
    std::vector<Text> names_;
    double ans_ = 0.0;
};

}  // namespace qalcor
