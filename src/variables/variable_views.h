#pragma once
// What the variable table needs of the list view and of the variable dialog. Rows count
// from 0, columns are 0 (name) and 1 (value); texts are GBK.
#include "textnum/text_operations.h"

namespace qalcor {

class VariableListView {
  public:
    virtual ~VariableListView() = default;
    virtual int selectedRow() const = 0;  // -1 when no row is selected
    virtual int rowCount() const = 0;
    virtual void appendRow() = 0;                          // empty texts, item value 0
    virtual Text cellText(int row, int column) const = 0;  // empty for a missing row
    virtual void setCellText(int row, int column, TextView text) = 0;
    virtual int itemValue(int row) const = 0;  // 0 for a missing row
    virtual void setItemValue(int row, int value) = 0;
    virtual void deleteRow(int row) = 0;
};

class VariableDialogView {
  public:
    virtual ~VariableDialogView() = default;
    virtual Text nameText() const = 0;
    virtual void setNameText(TextView text) = 0;
    virtual Text valueText() const = 0;
    virtual void setValueText(TextView text) = 0;
    // Destroys the dialog window, which enables the main window again.
    virtual void closeDialog() = 0;
};

// Creates the dialog window and opens it modally; its created event calls back into
// VariableEditor::onDialogCreated.
class VariableDialogHost {
  public:
    virtual ~VariableDialogHost() = default;
    virtual void openVariableDialog() = 0;
};

}  // namespace qalcor
