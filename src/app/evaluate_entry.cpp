#include "app/evaluate_entry.h"

#include "engine/expression_parse.h"
#include "textnum/number_text.h"

namespace qalcor {

EntryEvaluation evaluateEntry(TextView entry, const VariableStore& store, double ans) {
    // The entry is a zero-terminated text: anything after a zero byte is not part of it.
    entry = entry.substr(0, entry.find('\0'));
    RewrittenEntry working = rewriteEntry(entry, store, ans);
    if (working.malformedLog) return {Text(kErrorText), ans, false, working.malformedLog};
    double integral = ans;
    if (!engine::Integrate(working.text, 1.0, 0.0, 1e-13, integral)) {
        return {Text(kErrorText), ans, false, std::nullopt};
    }
    return {numberToText(integral), integral, true, std::nullopt};
}

}  // namespace qalcor
