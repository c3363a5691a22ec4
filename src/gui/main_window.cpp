#include "main_window.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <functional>

#include "app/entry_events.h"
#include "fonts.h"

namespace qalcor {

namespace {

template <typename Widget>
Widget* place(Widget* widget, const char* objectName, const QString& accessibleName,
              const QRect& geometry) {
    widget->setObjectName(QString::fromUtf8(objectName));
    widget->setAccessibleName(accessibleName);
    widget->setGeometry(geometry);
    return widget;
}

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainWindow::MainWindow(CalculatorSession& session, MessageSink& messages)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      session_(session),
      entryBox_(place(new EntryBox(this), "编辑框1", QStringLiteral("表达式"), {24, 16, 432, 40})),
      resultBox_(
          place(createResultBox(this), "编辑框2", QStringLiteral("结果"), {24, 56, 432, 24})),
      list_(place(new VariableList(this), "超级列表框1", QStringLiteral("变量表"),
                  {472, 96, 136, 144})),
      entry_(*entryBox_, [this] { onEntryTextChanged(); }),
      result_(*resultBox_),
      keypad_(session, entry_, result_, messages),
      table_(session, *list_, entry_),
      editor_(session, *list_, *this, messages) {
    setWindowTitle(QStringLiteral("Qalcor"));
    setFixedSize(632, 326);
    move(50, 50);
    createKeypad();
    createVariableArea();
    connect(entryBox_, &EntryBox::gotFocus, this, [this] { onEntryGotFocus(session_); });

    // The window-created handler.
    onMainWindowCreated(session_);
    entryBox_->setFont(editBoxFont());
    resultBox_->setFont(editBoxFont());
}

MainWindow::~MainWindow() {
    delete dialog_.data();
}

void MainWindow::createKeypad() {
    for (const KeyDescription& key : keypadKeys()) {
        auto* button = place(new QPushButton(utf8(key.caption), this), key.control.data(),
                             utf8(key.caption), {key.left, key.top, kKeyWidth, kKeyHeight});
        button->setFont(interfaceFont());
        connect(button, &QPushButton::clicked, this, [this, &key] { keypad_.press(key); });
    }
}

void MainWindow::createVariableArea() {
    auto* label = place(new QLabel(QStringLiteral("--变量表--\n1.点添加按钮，添加变量\n"
                                                  "2.双击变量名，插入变量"),
                                   this),
                        "标签1", QStringLiteral("变量表说明"), {464, 20, 152, 60});
    label->setFont(interfaceFont());
    list_->setFont(interfaceFont());

    const struct {
        const char* control;
        QString caption;
        int left;
        std::function<void()> clicked;
    } buttons[] = {
        {"按钮30", QStringLiteral("添加"), 472, [this] { editor_.onAddClicked(); }},
        {"按钮31", QStringLiteral("修改"), 520, [this] { editor_.onModifyClicked(); }},
        {"按钮37", QStringLiteral("删除"), 568, [this] { table_.onDeleteClicked(); }},
    };
    for (const auto& b : buttons) {
        auto* button =
            place(new QPushButton(b.caption, this), b.control, b.caption, {b.left, 248, 40, 24});
        button->setFont(interfaceFont());
        connect(button, &QPushButton::clicked, this, b.clicked);
    }

    contextMenu_ = new QMenu(QStringLiteral("右键菜单"), this);
    contextMenu_->setObjectName(QStringLiteral("右键菜单"));
    connect(contextMenu_->addAction(QStringLiteral("更新")), &QAction::triggered, this,
            [this] { table_.onUpdateChosen(); });
    connect(contextMenu_->addAction(QStringLiteral("插入")), &QAction::triggered, this,
            [this] { table_.onInsertChosen(); });
    connect(list_, &VariableList::rightClicked, this, &MainWindow::onListRightClicked);
    connect(list_, &VariableList::doubleClicked, this, [this] { table_.onDoubleClick(); });
}

void MainWindow::onEntryTextChanged() {
    qalcor::onEntryTextChanged(session_, entry_, result_);
    emit entryEvaluated();
}

void MainWindow::onListRightClicked(const QPoint& globalPosition) {
    if (table_.onRightClick()) contextMenu_->popup(globalPosition + QPoint(3, 3));
}

void MainWindow::openVariableDialog() {
    // No owner: a disabled owner would disable its dialog with it.
    auto* dialog = new VariableDialog();
    dialog_ = dialog;
    editor_.onDialogCreated(*dialog);
    connect(dialog, &VariableDialog::confirmClicked, this,
            [this, dialog] { editor_.onConfirm(*dialog); });
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        setEnabled(true);
        dialog->deleteLater();
    });
    setEnabled(false);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

}  // namespace qalcor
