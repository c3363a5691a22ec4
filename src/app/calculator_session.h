#pragma once
// Everything the calculator remembers while it runs. One instance lives from start-up to
// the end of the process; the window, the keypad and the variable table share it.
#include <utility>

#include "variables/variable_store.h"

namespace qalcor {

inline constexpr int kDialogAdds = 0;
inline constexpr int kDialogModifies = 1;

struct CalculatorSession {
    explicit CalculatorSession(SlotFailureReporter reporter = {})
        : variableStore(std::move(reporter)) {}

    // 1 right after a clear key: the next key starts afresh or continues from `ans`.
    int freshEntry = 0;
    // The last successful result.
    double ans = 0.0;
    VariableStore variableStore;

    // The variable dialog's state: what it does, the list row and the store slot it edits.
    int dialogMode = kDialogAdds;
    int editedItem = 0;
    int editedSlot = 0;
};

}  // namespace qalcor
