#include "variable_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "fonts.h"
#include "platform/qt_gbk.h"

namespace qalcor {

namespace {
QLabel* label(const QString& text, const QRect& place, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setFont(interfaceFont());
    return l;
}

template <typename Box>
Box* box(const QString& objectName, const QString& accessibleName, const QRect& place,
         QWidget* parent) {
    auto* b = new Box(parent);
    b->setObjectName(objectName);
    b->setAccessibleName(accessibleName);
    b->setGeometry(place);
    b->setFont(interfaceFont());
    return b;
}
}  // namespace

VariableDialog::VariableDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("添加/修改变量"));
    setFixedSize(363, 155);
    move(50, 50);

    label(QStringLiteral("变量名称"), {16, 20, 72, 16}, this);
    nameBox_ = box<NameBox>(QStringLiteral("编辑框1"), QStringLiteral("变量名称"),
                            {88, 16, 248, 24}, this);
    label(QStringLiteral("初始/当前值"), {16, 52, 72, 16}, this);
    valueBox_ = box<ValueBox>(QStringLiteral("编辑框2"), QStringLiteral("初始/当前值"),
                              {88, 48, 248, 24}, this);

    confirm_ = new QPushButton(QStringLiteral("修改/加入"), this);
    confirm_->setObjectName(QStringLiteral("按钮29"));
    confirm_->setAccessibleName(QStringLiteral("修改/加入"));
    confirm_->setGeometry(256, 86, 80, 24);
    confirm_->setFont(interfaceFont());
    // Enter in a box does not confirm: only a click, which first takes the focus from the
    // value box and so normalises it.
    confirm_->setAutoDefault(false);
    connect(confirm_, &QPushButton::clicked, this, &VariableDialog::confirmClicked);

    setTabOrder(nameBox_, valueBox_);
    setTabOrder(valueBox_, confirm_);
    nameBox_->setFocus();
}

Text VariableDialog::nameText() const {
    return toGbk(nameBox_->text());
}

void VariableDialog::setNameText(TextView text) {
    nameBox_->setText(fromGbk(text));
}

Text VariableDialog::valueText() const {
    return toGbk(valueBox_->text());
}

void VariableDialog::setValueText(TextView text) {
    valueBox_->setText(fromGbk(text));
}

}  // namespace qalcor
