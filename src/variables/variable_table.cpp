#include "variables/variable_table.h"

#include "textnum/number_text.h"
#include "variables/variable_names.h"

namespace qalcor {

std::vector<Text> rowNames(const VariableListView& list) {
    std::vector<Text> names;
    for (int row = 0; row < list.rowCount(); ++row)
        names.push_back(list.cellText(row, 0));
    return names;
}

int findRow(const VariableListView& list, TextView name) {
    return findName(rowNames(list), name);
}

bool VariableTable::guardPasses() const {
    return compareText(list_.cellText(list_.selectedRow(), 0), "") != 0;
}

void VariableTable::onDeleteClicked() {
    if (!guardPasses()) return;
    const int row = list_.selectedRow();
    session_.variableStore.tombstone(list_.itemValue(row));
    list_.deleteRow(row);
}

void VariableTable::onUpdateChosen() {
    const int row = list_.selectedRow();
    VariableRecord* record = session_.variableStore.recordAt(list_.itemValue(row));
    if (record == nullptr) return;
    record->value = session_.ans;
    list_.setCellText(row, 1, numberToText(session_.ans));
}

void VariableTable::onDoubleClick() {
    if (guardPasses()) insertVariableReference();
}

void VariableTable::insertVariableReference() {
    if (session_.freshEntry == 1) {
        entry_.setText("");
        session_.freshEntry = 0;
    }
    const Text name = list_.cellText(list_.selectedRow(), 0);
    entry_.replaceSelection(joinText({"var_", name}));
}

}  // namespace qalcor
