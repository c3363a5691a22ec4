// qalcor-eval: the calculator's live evaluation for scripts and quick checks.
#include <iostream>

#include "eval_session.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const qalcor::ParsedArguments parsed =
        qalcor::parseEvalArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << "qalcor-eval: " << parsed.error << " (see --help)\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << qalcor::evalUsage();
        return 0;
    }
    qalcor::EvalSession session;
    if (const std::string error = session.addVariables(parsed.options); !error.empty()) {
        std::cerr << "qalcor-eval: " << error << '\n';
        return 2;
    }
    session.run(std::cin, std::cout);
    return 0;
}
