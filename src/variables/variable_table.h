#pragma once
// The variable list's commands: 删除, the popup menu's 更新 and 插入, the double-click.
#include <vector>

#include "app/calculator_session.h"
#include "app/entry_editor.h"
#include "variables/variable_views.h"

namespace qalcor {

// The names in the list's rows, in row order.
std::vector<Text> rowNames(const VariableListView& list);
// First row whose name equals `name` ignoring letter case, or -1.
int findRow(const VariableListView& list, TextView name);

class VariableTable {
  public:
    VariableTable(CalculatorSession& session, VariableListView& list, EntryEditor& entry)
        : session_(session), list_(list), entry_(entry) {}

    // Passes exactly when a row is selected (no row has an empty name).
    bool guardPasses() const;

    void onDeleteClicked();
    // Whether the popup menu opens.
    bool onRightClick() const { return guardPasses(); }
    void onUpdateChosen();
    void onInsertChosen() { insertVariableReference(); }
    void onDoubleClick();
    // Puts "var_" + the selected name in place of the entry's selection.
    void insertVariableReference();

  private:
    CalculatorSession& session_;
    VariableListView& list_;
    EntryEditor& entry_;
};

}  // namespace qalcor
