#include "app/entry_events.h"

#include "app/evaluate_entry.h"

namespace qalcor {

void onMainWindowCreated(CalculatorSession& session) {
    session.freshEntry = 0;
    session.ans = 0.0;
}

void onEntryTextChanged(CalculatorSession& session, EntryEditor& entry, ResultBox& result) {
    session.freshEntry = 0;
    const EntryEvaluation evaluation =
        evaluateEntry(entry.text(), session.variableStore, session.ans);
    result.setText(evaluation.display);
    session.ans = evaluation.ans;
    // Highlighted, never selected: a selection made after every keystroke would be
    // overwritten by the next one.
    entry.markMalformedLogarithm(evaluation.selection);
}

void onEntryGotFocus(CalculatorSession& session) {
    session.freshEntry = 0;
}

}  // namespace qalcor
