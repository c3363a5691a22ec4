#include "variable_list.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "platform/qt_gbk.h"

namespace qalcor {

VariableList::VariableList(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderLabels({QStringLiteral("名称"), QStringLiteral("值")});
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(0, 50);
    setColumnWidth(1, 50);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    // The selection is not shown while the list lacks the focus.
    pal.setBrush(QPalette::Inactive, QPalette::Highlight, pal.brush(QPalette::Base));
    pal.setBrush(QPalette::Inactive, QPalette::HighlightedText, pal.brush(QPalette::Text));
    setPalette(pal);
}

QTreeWidgetItem* VariableList::row(int index) const {
    return index >= 0 && index < topLevelItemCount() ? topLevelItem(index) : nullptr;
}

int VariableList::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

int VariableList::rowCount() const {
    return topLevelItemCount();
}

void VariableList::appendRow() {
    auto* item = new QTreeWidgetItem();
    item->setData(0, Qt::UserRole, 0);
    addTopLevelItem(item);
}

Text VariableList::cellText(int index, int column) const {
    const QTreeWidgetItem* item = row(index);
    return item ? toGbk(item->text(column)) : Text();
}

void VariableList::setCellText(int index, int column, TextView text) {
    if (QTreeWidgetItem* item = row(index)) item->setText(column, fromGbk(text));
}

int VariableList::itemValue(int index) const {
    const QTreeWidgetItem* item = row(index);
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

void VariableList::setItemValue(int index, int value) {
    if (QTreeWidgetItem* item = row(index)) item->setData(0, Qt::UserRole, value);
}

void VariableList::deleteRow(int index) {
    delete takeTopLevelItem(index);
}

namespace {
// The same click moved left into the last column when it fell right of the columns, so
// that a click anywhere in a row is a click on that row.
QMouseEvent intoColumns(const QMouseEvent& event, int columnsWidth) {
    QPointF at = event.position();
    if (at.x() >= columnsWidth) at.setX(columnsWidth - 1);
    return QMouseEvent(event.type(), at, event.scenePosition(), event.globalPosition(),
                       event.button(), event.buttons(), event.modifiers());
}
}  // namespace

void VariableList::mousePressEvent(QMouseEvent* event) {
    QMouseEvent moved = intoColumns(*event, header()->length());
    QTreeWidget::mousePressEvent(&moved);
    // Below the rows a click leaves none selected.
    if (itemAt(moved.position().toPoint()) == nullptr) clearSelection();
    if (event->button() == Qt::RightButton) emit rightClicked(event->globalPosition().toPoint());
}

void VariableList::mouseReleaseEvent(QMouseEvent* event) {
    QMouseEvent moved = intoColumns(*event, header()->length());
    QTreeWidget::mouseReleaseEvent(&moved);
}

void VariableList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked();
    QMouseEvent moved = intoColumns(*event, header()->length());
    QTreeWidget::mouseDoubleClickEvent(&moved);
}

}  // namespace qalcor
