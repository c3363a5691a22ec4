#include "variables/variable_editing.h"

#include <vector>

#include "platform/gbk_literal.h"
#include "textnum/number_text.h"
#include "variables/variable_names.h"
#include "variables/variable_table.h"

namespace qalcor {

void VariableEditor::onAddClicked() {
    session_.dialogMode = kDialogAdds;
    host_.openVariableDialog();
}

void VariableEditor::onModifyClicked() {
    const int row = list_.selectedRow();
    if (compareText(list_.cellText(row, 0), "") == 0) return;
    session_.dialogMode = kDialogModifies;
    session_.editedItem = row;
    host_.openVariableDialog();
}

void VariableEditor::onDialogCreated(VariableDialogView& dialog) {
    if (session_.dialogMode != kDialogModifies) return;
    dialog.setNameText(list_.cellText(session_.editedItem, 0));
    dialog.setValueText(list_.cellText(session_.editedItem, 1));
    session_.editedSlot = list_.itemValue(session_.editedItem);
}

bool VariableEditor::nameIsAcceptable(TextView name) {
    // The edited row may keep (or re-case) its own name; an added row has no own row yet.
    const int ownRow = session_.dialogMode == kDialogModifies ? session_.editedItem : -1;
    const NameProblem problem = checkVariableName(name, rowNames(list_), ownRow);
    if (problem == NameProblem::None) return true;
    messages_.showMessage(nameProblemMessage(problem), kIconWarning, gbkLiteral("警告"));
    return false;
}

void VariableEditor::onConfirm(VariableDialogView& dialog) {
    const Text name = dialog.nameText();
    if (!nameIsAcceptable(name)) return;
    if (compareText(dialog.valueText(), "") == 0) dialog.setValueText("0");
    const Text value = dialog.valueText();
    if (session_.dialogMode == kDialogModifies) {
        modifyEditedRow(name, value);
    } else {
        appendNewRow(name, value);
    }
    session_.dialogMode = kDialogAdds;
    dialog.closeDialog();
}

void VariableEditor::modifyEditedRow(TextView name, TextView value) {
    list_.setCellText(session_.editedItem, 0, name);
    list_.setCellText(session_.editedItem, 1, value);
    storeRecord(name, value);
}

void VariableEditor::appendNewRow(TextView name, TextView value) {
    list_.appendRow();
    session_.editedItem = list_.rowCount() - 1;
    session_.editedSlot = session_.variableStore.appendSlot();
    list_.setCellText(session_.editedItem, 0, name);
    list_.setCellText(session_.editedItem, 1, value);
    list_.setItemValue(session_.editedItem, session_.editedSlot);
    storeRecord(name, value);
}

void VariableEditor::storeRecord(TextView name, TextView value) {
    VariableRecord* record = session_.variableStore.recordAt(session_.editedSlot);
    if (record == nullptr) return;
    record->name.assign(name);
    record->value = textToNumber(value);
}

}  // namespace qalcor
