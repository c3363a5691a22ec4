// The variable list and the variable dialog driven through clicks and typed keys.
#include <QClipboard>
#include <QMenu>
#include <QtTest>

#include "window_harness.h"

using namespace qalcor;

namespace {

// Opens the dialog with 添加 or 修改 and waits until it can take typed keys.
VariableDialog* open(WindowHarness& h, const char* control) {
    h.click(h.button(control));
    VariableDialog* dialog = h.window.variableDialog();
    if (dialog != nullptr) (void)QTest::qWaitForWindowActive(dialog);
    return dialog;
}

void typeInto(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeText(box, text);
}

// Adds a variable through the dialog as a user would.
void add(WindowHarness& h, const QString& name, const QString& value) {
    VariableDialog* dialog = open(h, "按钮30");
    QVERIFY(dialog);
    typeInto(dialog->nameBox(), name);
    typeInto(dialog->valueBox(), value);
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
}

QPoint rowCenter(WindowHarness& h, int row) {
    return h.list()->visualItemRect(h.list()->topLevelItem(row)).center();
}

void clickRow(WindowHarness& h, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(h.list()->viewport(), button, {}, rowCenter(h, row));
}

QPoint emptyArea(WindowHarness& h) {
    return {20, h.list()->viewport()->height() - 5};
}

QStringList rows(WindowHarness& h) {
    QStringList out;
    for (int i = 0; i < h.list()->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = h.list()->topLevelItem(i);
        out << item->text(0) + "=" + item->text(1) + "@" + item->data(0, Qt::UserRole).toString();
    }
    return out;
}

// A user's double-click: the first click selects, the second arrives as a double-click.
void doubleClick(WindowHarness& h, QPoint where) {
    QTest::mouseClick(h.list()->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(h.list()->viewport(), Qt::LeftButton, {}, where);
}

void chooseMenuItem(WindowHarness& h, const QString& text) {
    QMenu* menu = h.window.contextMenu();
    for (QAction* action : menu->actions()) {
        if (action->text() == text) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
    }
}

}  // namespace

class VariableTableTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogIsModalAndLaidOut();
    void addDeleteAndAddAgain();
    void confirmWarnings_data();
    void confirmWarnings();
    void nameBoxDiscardsTypedDigitsOnly();
    void valueBoxNumericMode_data();
    void valueBoxNumericMode();
    void editingKeysWorkInTheValueBox();
    void clickRightOfTheColumnsSelectsTheRow();
    void unencodableNamesKeepOneForm();
    void modifyKeepsTheSlot();
    void modifyAndDeleteNeedASelection();
    void closingWithoutConfirmStoresNothing();
    void contextMenuUpdate();
    void contextMenuNeedsARow();
    void insertReference_data();
    void insertReference();
};

void VariableTableTest::dialogIsModalAndLaidOut() {
    WindowHarness h;
    VariableDialog* dialog = open(h, "按钮30");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("添加/修改变量"));
    QCOMPARE(dialog->size(), QSize(363, 155));
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    QVERIFY(!h.window.isEnabled());
    QCOMPARE(QApplication::activeModalWidget(), dialog);
    QCOMPARE(dialog->nameBox()->geometry(), QRect(88, 16, 248, 24));
    QCOMPARE(dialog->valueBox()->geometry(), QRect(88, 48, 248, 24));
    QCOMPARE(dialog->confirmButton()->geometry(), QRect(256, 86, 80, 24));
    QCOMPARE(dialog->confirmButton()->text(), QStringLiteral("修改/加入"));
    QCOMPARE(dialog->nameBox()->accessibleName(), QStringLiteral("变量名称"));
    QCOMPARE(dialog->valueBox()->accessibleName(), QStringLiteral("初始/当前值"));
    QCOMPARE(dialog->nameBox()->text(), QString());
    QCOMPARE(dialog->valueBox()->text(), QString());
    QCOMPARE(QApplication::focusWidget(), dialog->nameBox());
    QStringList labels;
    for (const QLabel* l : dialog->findChildren<QLabel*>())
        labels << l->text();
    QCOMPARE(labels, (QStringList{"变量名称", "初始/当前值"}));
}

void VariableTableTest::addDeleteAndAddAgain() {
    WindowHarness h;
    add(h, "a", "1.50");
    QTRY_VERIFY(h.window.variableDialog() == nullptr);
    QVERIFY(h.window.isEnabled());
    add(h, "b", "2");
    QCOMPARE(rows(h), (QStringList{"a=1.5@1", "b=2@2"}));

    clickRow(h, 0);
    h.click(h.button("按钮37"));
    QCOMPARE(rows(h), (QStringList{"b=2@2"}));
    QCOMPARE(h.session.variableStore.recordAt(1)->name, Text(deletedMarker));
    QCOMPARE(h.session.variableStore.recordAt(1)->value, 1.5);

    add(h, "a", "3");
    QCOMPARE(rows(h), (QStringList{"b=2@2", "a=3@3"}));
    QCOMPARE(h.session.variableStore.count(), 3);
    QVERIFY(h.messages.shown.empty());

    // The variables take part in the evaluation by their stored values.
    h.click(h.entry());
    typeText(h.entry(), "var_a*var_b");
    QCOMPARE(h.result()->text(), QStringLiteral("6"));
}

void VariableTableTest::confirmWarnings_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    QTest::newRow("empty") << ""
                           << "名称不能为空";
    QTest::newRow("deleted marker") << "#已删除#"
                                    << "名称输入错误";
    QTest::newRow("same name in other case") << "X"
                                             << "名称不能重复";
    QTest::newRow("Chinese duplicate") << "半径"
                                       << "名称不能重复";
    QTest::newRow("contains the marker") << "x#已删除#"
                                         << "";
    QTest::newRow("blanks only") << "   "
                                 << "";
}

void VariableTableTest::confirmWarnings() {
    QFETCH(QString, name);
    QFETCH(QString, warning);
    WindowHarness h;
    add(h, "x", "1");
    add(h, "半径", "2");
    const QStringList before = rows(h);
    add(h, name, "5");
    if (warning.isEmpty()) {
        QVERIFY(h.messages.shown.empty());
        QCOMPARE(h.list()->topLevelItem(2)->text(0), name);
        QTRY_VERIFY(h.window.isEnabled());
        return;
    }
    QCOMPARE(h.messages.shown.size(), size_t{1});
    QCOMPARE(h.messages.shown[0].text, warning);
    QCOMPARE(h.messages.shown[0].flags, 48);
    QCOMPARE(h.messages.shown[0].caption, QStringLiteral("警告"));
    VariableDialog* dialog = h.window.variableDialog();
    QVERIFY2(dialog && dialog->isVisible(), "the dialog stays open");
    QCOMPARE(dialog->nameBox()->text(), name);
    QCOMPARE(rows(h), before);
    QCOMPARE(h.session.variableStore.count(), 2);
    QVERIFY(!h.window.isEnabled());
}

void VariableTableTest::nameBoxDiscardsTypedDigitsOnly() {
    WindowHarness h;
    VariableDialog* dialog = open(h, "按钮30");
    QVERIFY(dialog);
    typeText(dialog->nameBox(), "a1b 2半");
    QCOMPARE(dialog->nameBox()->text(), QStringLiteral("ab 半"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x9"));
    QTest::keyClick(dialog->nameBox(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(dialog->nameBox()->text(), QStringLiteral("ab 半x9"));
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    QCOMPARE(rows(h), (QStringList{"ab 半x9=0@1"}));
}

// On X11 the Delete key carries the text DEL (127); it edits, it is not a typed character.
void VariableTableTest::editingKeysWorkInTheValueBox() {
    WindowHarness h;
    VariableDialog* dialog = open(h, "按钮30");
    QVERIFY(dialog);
    ValueBox* box = dialog->valueBox();
    typeText(box, "123");
    box->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    QApplication::sendEvent(box, &del);
    QCOMPARE(box->text(), QStringLiteral("23"));
    box->setCursorPosition(2);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("2"));
}

void VariableTableTest::clickRightOfTheColumnsSelectsTheRow() {
    WindowHarness h;
    add(h, "a", "1");
    add(h, "b", "2");
    const int y = rowCenter(h, 1).y();
    const int x = h.list()->viewport()->width() - 4;  // beyond both 50-pixel columns
    QVERIFY(x > 100);
    QTest::mouseClick(h.list()->viewport(), Qt::LeftButton, {}, QPoint(x, y));
    QCOMPARE(h.list()->selectedRow(), 1);
    QTest::mouseClick(h.list()->viewport(), Qt::LeftButton, {}, emptyArea(h));
    QCOMPARE(h.list()->selectedRow(), -1);
}

// A character GBK cannot encode is stored as "?", so the name reads back the same: the
// reference inserted from the list evaluates, and a second such name is a duplicate.
void VariableTableTest::unencodableNamesKeepOneForm() {
    WindowHarness h;
    const QString name = QStringLiteral("r") + QString::fromUcs4(U"\U0001F600");
    add(h, name, "2");
    QCOMPARE(rows(h), (QStringList{"r?=2@1"}));
    doubleClick(h, rowCenter(h, 0));
    QCOMPARE(h.entryText(), QStringLiteral("var_r?"));
    QCOMPARE(h.result()->text(), QStringLiteral("2"));
    add(h, QStringLiteral("r") + QString::fromUcs4(U"\U0001F601"), "3");
    QCOMPARE(h.messages.shown.size(), std::size_t{1});
    QCOMPARE(h.messages.shown[0].text, QStringLiteral("名称不能重复"));
}

void VariableTableTest::valueBoxNumericMode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");   // after typing
    QTest::addColumn<QString>("column");  // after the confirm click
    QTest::addColumn<double>("value");
    QTest::newRow("trailing zero") << "1.50"
                                   << "1.50"
                                   << "1.5" << 1.5;
    QTest::newRow("zero") << "0"
                          << "0"
                          << "0" << 0.0;
    QTest::newRow("lone minus") << "-"
                                << "-"
                                << "0" << 0.0;
    QTest::newRow("two points") << "1.2.3"
                                << "1.2.3"
                                << "1.2" << 1.2;
    QTest::newRow("letters, e and plus") << "-1e+5x"
                                         << "-15"
                                         << "-15" << -15.0;
    QTest::newRow("empty") << ""
                           << ""
                           << "0" << 0.0;
}

void VariableTableTest::valueBoxNumericMode() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, column);
    QFETCH(double, value);
    WindowHarness h;
    VariableDialog* dialog = open(h, "按钮30");
    QVERIFY(dialog);
    typeText(dialog->nameBox(), "v");
    QTest::mouseClick(dialog->valueBox(), Qt::LeftButton);
    typeText(dialog->valueBox(), typed);
    QCOMPARE(dialog->valueBox()->text(), shown);
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    QCOMPARE(rows(h), QStringList{"v=" + column + "@1"});
    QCOMPARE(h.session.variableStore.recordAt(1)->value, value);
}

void VariableTableTest::modifyKeepsTheSlot() {
    WindowHarness h;
    add(h, "abc", "1");
    add(h, "q", "2");
    clickRow(h, 0);
    VariableDialog* dialog = open(h, "按钮31");
    QVERIFY(dialog);
    QCOMPARE(dialog->nameBox()->text(), QStringLiteral("abc"));
    QCOMPARE(dialog->valueBox()->text(), QStringLiteral("1"));
    QCOMPARE(h.session.dialogMode, kDialogModifies);

    typeInto(dialog->nameBox(), "ABC");
    typeInto(dialog->valueBox(), "7");
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    QCOMPARE(rows(h), (QStringList{"ABC=7@1", "q=2@2"}));
    QCOMPARE(h.session.variableStore.recordAt(1)->name, Text("ABC"));
    QCOMPARE(h.session.variableStore.recordAt(1)->value, 7.0);
    QCOMPARE(h.session.dialogMode, kDialogAdds);

    // Renaming to another row's name is refused.
    clickRow(h, 0);
    dialog = open(h, "按钮31");
    QVERIFY(dialog);
    typeInto(dialog->nameBox(), "Q");
    QTest::mouseClick(dialog->confirmButton(), Qt::LeftButton);
    QCOMPARE(h.messages.shown.size(), size_t{1});
    QCOMPARE(h.messages.shown[0].text, QStringLiteral("名称不能重复"));
    QCOMPARE(rows(h), (QStringList{"ABC=7@1", "q=2@2"}));
}

void VariableTableTest::modifyAndDeleteNeedASelection() {
    WindowHarness h;
    add(h, "a", "1");
    QTest::mouseClick(h.list()->viewport(), Qt::LeftButton, {}, emptyArea(h));
    QVERIFY(h.list()->selectedItems().isEmpty());
    QVERIFY(open(h, "按钮31") == nullptr);
    h.click(h.button("按钮37"));
    QCOMPARE(rows(h), QStringList{"a=1@1"});
    QVERIFY(h.messages.shown.empty());
}

void VariableTableTest::closingWithoutConfirmStoresNothing() {
    WindowHarness h;
    VariableDialog* dialog = open(h, "按钮30");
    QVERIFY(dialog);
    typeText(dialog->nameBox(), "n");
    dialog->close();
    QTRY_VERIFY(h.window.variableDialog() == nullptr);
    QVERIFY(h.window.isEnabled());
    QCOMPARE(h.list()->topLevelItemCount(), 0);
    QCOMPARE(h.session.variableStore.count(), 0);

    // The next opening starts with empty boxes.
    dialog = open(h, "按钮30");
    QVERIFY(dialog);
    QCOMPARE(dialog->nameBox()->text(), QString());
}

void VariableTableTest::contextMenuUpdate() {
    WindowHarness h;
    add(h, "r", "7");
    h.click(h.entry());
    typeText(h.entry(), "1.5/0");  // ends in "Error"; the answer stays 1.5
    QCOMPARE(h.result()->text(), QStringLiteral("Error"));

    clickRow(h, 0, Qt::RightButton);
    QMenu* menu = h.window.contextMenu();
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), h.list()->viewport()->mapToGlobal(rowCenter(h, 0)) + QPoint(3, 3));
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions()[0]->text(), QStringLiteral("更新"));
    QCOMPARE(menu->actions()[1]->text(), QStringLiteral("插入"));
    chooseMenuItem(h, "更新");
    QCOMPARE(rows(h), QStringList{"r=1.5@1"});
    QCOMPARE(h.session.variableStore.recordAt(1)->value, 1.5);
    QCOMPARE(h.result()->text(), QStringLiteral("Error"));
}

void VariableTableTest::contextMenuNeedsARow() {
    WindowHarness h;
    add(h, "r", "7");
    QTest::mouseClick(h.list()->viewport(), Qt::RightButton, {}, emptyArea(h));
    QVERIFY(!h.window.contextMenu()->isVisible());
    doubleClick(h, emptyArea(h));
    QCOMPARE(h.entryText(), QString());
}

void VariableTableTest::insertReference_data() {
    QTest::addColumn<QStringList>("keys");  // pressed before the insertion
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<QString>("resultAfter");
    for (const bool byMenu : {false, true}) {
        const char* way = byMenu ? "插入" : "double-click";
        QTest::addRow("%s after a clear", way)
            << QStringList{"1", "C"} << false << byMenu << "var_r"
            << "1.5";
        QTest::addRow("%s at the caret", way)
            << QStringList{"2", "×"} << false << byMenu << "2*var_r"
            << "3";
        QTest::addRow("%s over the selection", way)
            << QStringList{"1", "＋", "2"} << true << byMenu << "var_r"
            << "1.5";
    }
}

void VariableTableTest::insertReference() {
    QFETCH(QStringList, keys);
    QFETCH(bool, selectAll);
    QFETCH(bool, byMenu);
    QFETCH(QString, entryAfter);
    QFETCH(QString, resultAfter);
    WindowHarness h;
    add(h, "r", "1.5");
    h.pressAll(keys);
    if (selectAll) h.entry()->selectAll();
    if (byMenu) {
        clickRow(h, 0, Qt::RightButton);
        chooseMenuItem(h, "插入");
    } else {
        doubleClick(h, rowCenter(h, 0));
    }
    QCOMPARE(h.entryText(), entryAfter);
    QCOMPARE(h.result()->text(), resultAfter);
    QCOMPARE(h.session.freshEntry, 0);
}

QTEST_MAIN(VariableTableTest)
#include "variable_table_test.moc"
