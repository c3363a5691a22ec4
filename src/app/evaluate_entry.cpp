#include "app/evaluate_entry.h"

#include <new>

#include "engine/expression_parse.h"
#include "textnum/number_text.h"

namespace qalcor {

EntryEvaluation evaluateEntry(TextView entry, const VariableStore& store, double ans) {
    const EntryEvaluation error{Text(kErrorText), ans, false, std::nullopt};
    // The entry is a zero-terminated text: anything after a zero byte is not part of it.
    entry = entry.substr(0, entry.find('\0'));
    try {
        RewrittenEntry working = rewriteEntry(entry, store, ans);
        if (working.malformedLog) return {Text(kErrorText), ans, false, working.malformedLog};
        double integral = ans;
        if (working.tooLong || !engine::Integrate(working.text, 1.0, 0.0, 1e-13, integral)) {
            return error;
        }
        return {numberToText(integral), integral, true, std::nullopt};
    } catch (const std::bad_alloc&) {
        // Memory ran out for a huge paste: the entry cannot be evaluated, like any other.
        return error;
    }
}

}  // namespace qalcor
