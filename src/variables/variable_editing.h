#pragma once
// Adding and modifying a variable through the dialog: opening it, filling it in modify
// mode, and the confirm procedure with its three warnings.
#include "app/calculator_session.h"
#include "app/message_sink.h"
#include "variables/variable_views.h"

namespace qalcor {

class VariableEditor {
  public:
    VariableEditor(CalculatorSession& session, VariableListView& list, VariableDialogHost& host,
                   MessageSink& messages)
        : session_(session), list_(list), host_(host), messages_(messages) {}

    void onAddClicked();
    void onModifyClicked();
    void onDialogCreated(VariableDialogView& dialog);
    void onConfirm(VariableDialogView& dialog);

  private:
    bool nameIsAcceptable(TextView name);
    void modifyEditedRow(TextView name, TextView value);
    void appendNewRow(TextView name, TextView value);
    void storeRecord(TextView name, TextView value);

    CalculatorSession& session_;
    VariableListView& list_;
    VariableDialogHost& host_;
    MessageSink& messages_;
};

}  // namespace qalcor
