#include "eval_session.h"

#include <istream>
#include <ostream>

#include "app/evaluate_entry.h"
#include "platform/gbk_codec.h"
#include "textnum/number_text.h"
#include "variables/variable_names.h"

namespace qalcor {

const char* evalUsage() {
    return "Usage: qalcor-eval [--var NAME=VALUE]... [--help]\n"
           "Reads expressions from standard input, one per line (UTF-8), and prints for each\n"
           "what the calculator's result box shows: the value or \"Error\". ANS starts at 0\n"
           "and carries from line to line.\n"
           "  --var NAME=VALUE  add a variable, referred to as var_NAME (repeatable)\n"
           "  --help            show this text\n";
}

ParsedArguments parseEvalArguments(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string definition;
        if (arg == "--help" || arg == "-h") {
            parsed.options.help = true;
            continue;
        }
        if (arg == "--var") {
            if (i + 1 >= args.size()) {
                parsed.error = "--var needs NAME=VALUE";
                return parsed;
            }
            definition = args[++i];
        } else if (arg.rfind("--var=", 0) == 0) {
            definition = arg.substr(6);
        } else {
            parsed.error = "unknown argument: " + arg;
            return parsed;
        }
        const std::size_t eq = definition.find('=');
        if (eq == std::string::npos) {
            parsed.error = "--var needs NAME=VALUE, got: " + definition;
            return parsed;
        }
        parsed.options.variables.emplace_back(definition.substr(0, eq), definition.substr(eq + 1));
    }
    return parsed;
}

std::string EvalSession::addVariables(const EvalOptions& options) {
    for (const auto& [utf8Name, utf8Value] : options.variables) {
        const auto name = utf8ToGbk(utf8Name);
        const auto value = utf8ToGbk(utf8Value);
        if (!name || !value) return "variable " + utf8Name + ": not encodable in GBK";
        const NameProblem problem = checkVariableName(*name, names_, -1);
        if (problem != NameProblem::None) {
            return "variable '" + utf8Name + "': " + gbkToUtf8(nameProblemMessage(problem));
        }
        VariableRecord* record = store_.recordAt(store_.appendSlot());
        record->name = *name;
        record->value = textToNumber(*value);
        names_.push_back(*name);
    }
    return {};
}

std::string EvalSession::evaluateLine(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto entry = utf8ToGbk(line);
    if (!entry) return std::string(kErrorText);
    const EntryEvaluation outcome = evaluateEntry(*entry, store_, ans_);
    ans_ = outcome.ans;
    return gbkToUtf8(outcome.display);
}

void EvalSession::run(std::istream& in, std::ostream& out) {
    std::string line;
    while (std::getline(in, line))
        out << evaluateLine(line) << '\n';
    out.flush();
}

}  // namespace qalcor
