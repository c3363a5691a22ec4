#pragma once
// The live evaluation of one entry text: rewrite, integrate over [0, 1], format.
#include <optional>

#include "app/entry_rewriting.h"

namespace qalcor {

inline constexpr TextView kErrorText{"Error"};

struct EntryEvaluation {
    Text display;                             // what the result box shows
    double ans = 0.0;                         // the answer register afterwards
    bool succeeded = false;                   // whether `ans` took a new value
    std::optional<EntrySelection> selection;  // a malformed "log(" to mark in the entry
};

EntryEvaluation evaluateEntry(TextView entry, const VariableStore& store, double ans);

}  // namespace qalcor
