#pragma once
// The variable list: two columns, one row per live variable, the row's store slot kept as
// its item value. Right clicks and double-clicks are reported after the click has
// selected the row under the pointer (or cleared the selection on the empty area).
#include <QTreeWidget>

#include "variables/variable_views.h"

namespace qalcor {

class VariableList : public QTreeWidget, public VariableListView {
    Q_OBJECT
  public:
    explicit VariableList(QWidget* parent = nullptr);

    int selectedRow() const override;
    int rowCount() const override;
    void appendRow() override;
    Text cellText(int row, int column) const override;
    void setCellText(int row, int column, TextView text) override;
    int itemValue(int row) const override;
    void setItemValue(int row, int value) override;
    void deleteRow(int row) override;

  signals:
    void rightClicked(const QPoint& globalPosition);
    void doubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QTreeWidgetItem* row(int index) const;
};

}  // namespace qalcor
