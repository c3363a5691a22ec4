#pragma once
// The main window's own handlers: window created, entry text changed, entry got focus.
#include "app/calculator_session.h"
#include "app/entry_editor.h"

namespace qalcor {

void onMainWindowCreated(CalculatorSession& session);
// Evaluates the entry afresh and shows the result; marks a malformed "log(" (or
// removes the mark).
void onEntryTextChanged(CalculatorSession& session, EntryEditor& entry, ResultBox& result);
void onEntryGotFocus(CalculatorSession& session);

}  // namespace qalcor
