#pragma once
// Rewrites an entry text into the engine's syntax: variable references, ANS,
// two-argument logarithms, exponent forms, pi and e.
#include <optional>

#include "textnum/text_operations.h"
#include "variables/variable_store.h"

namespace qalcor {

// Where a malformed "log(" lies: 0-based byte offset and length, for the entry's mark.
struct EntrySelection {
    int start = 0;
    int length = 0;
    bool operator==(const EntrySelection&) const = default;
};

struct RewrittenEntry {
    Text text;                                   // valid when there is no malformed logarithm
    std::optional<EntrySelection> malformedLog;  // set when the rewriting gave up
    bool tooLong = false;  // the text outgrew kMaxWorkingText: the entry shows "Error"
};

// The longest working text evaluated. Exponent forms grow 200-fold ("e+999" becomes a
// thousand digits), so a pasted text could otherwise ask for gigabytes; no expression that
// a person means is anywhere near this long.
inline constexpr std::size_t kMaxWorkingText = std::size_t{4} << 20;

RewrittenEntry rewriteEntry(TextView entry, const VariableStore& store, double ans);

// The single sub-steps, in the order rewriteEntry applies them.
Text substituteVariables(TextView text, const VariableStore& store);
Text substituteAnswer(TextView text, double ans);
RewrittenEntry expandLogarithms(Text text);
Text expandPositiveExponents(TextView text);
Text expandNegativeExponents(TextView text);
Text substituteConstants(TextView text);

}  // namespace qalcor
