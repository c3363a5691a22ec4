// The main window driven through clicks and typed keys: layout, keypad, caret keys,
// focus, live evaluation and the entry's GBK view.
#include <QClipboard>
#include <QFontInfo>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "window_harness.h"

using namespace qalcor;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithItsLayout();
    void everyKeyHasItsPlaceCaptionAndFont();
    void keypadSequences_data();
    void keypadSequences();
    void caretKeys_data();
    void caretKeys();
    void keysKeepTheSelectionWithoutFocus();
    void focusEndsTheFreshState_data();
    void focusEndsTheFreshState();
    void everyChangeEvaluatesOnce_data();
    void everyChangeEvaluatesOnce();
    void malformedLogarithmIsMarked_data();
    void malformedLogarithmIsMarked();
    void freshLogarithmFormIsMarkedAndKept();
    void unencodableCharacterGivesError();
    void hostilePastes_data();
    void hostilePastes();
    void helpKeyShowsTheSyntax();
};

void MainWindowTest::startsWithItsLayout() {
    WindowHarness h;
    QVERIFY(h.exposed);
    QCOMPARE(h.window.windowTitle(), QStringLiteral("Qalcor"));
    QCOMPARE(h.window.size(), QSize(632, 326));
    QCOMPARE(h.window.minimumSize(), h.window.maximumSize());
    QCOMPARE(h.entryText(), QString());
    QCOMPARE(h.result()->text(), QStringLiteral("0"));
    QCOMPARE(h.session.freshEntry, 0);
    QCOMPARE(h.session.ans, 0.0);

    const struct {
        QWidget* widget;
        QRect place;
        const char* accessibleName;
    } controls[] = {
        {h.entry(), {24, 16, 432, 40}, "表达式"},
        {h.result(), {24, 56, 432, 24}, "结果"},
        {h.list(), {472, 96, 136, 144}, "变量表"},
        {h.window.findChild<QWidget*>(QStringLiteral("标签1")), {464, 20, 152, 60}, nullptr},
        {h.button("按钮30"), {472, 248, 40, 24}, "添加"},
        {h.button("按钮31"), {520, 248, 40, 24}, "修改"},
        {h.button("按钮37"), {568, 248, 40, 24}, "删除"},
    };
    for (const auto& c : controls) {
        QVERIFY(c.widget != nullptr);
        QCOMPARE(c.widget->geometry(), c.place);
        QVERIFY(!c.widget->accessibleName().isEmpty());
        if (c.accessibleName)
            QCOMPARE(c.widget->accessibleName(), QString::fromUtf8(c.accessibleName));
    }

    QCOMPARE(h.entry()->palette().color(QPalette::Base), QColor(216, 216, 216));
    QCOMPARE(h.result()->palette().color(QPalette::Base), QColor(216, 216, 216));
    QCOMPARE(h.entry()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(h.entry()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(h.entry()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(h.result()->isReadOnly());
    QVERIFY(!h.result()->hasFrame());
    QVERIFY(h.result()->alignment() & Qt::AlignRight);
    QCOMPARE(h.entry()->font().families().value(0), QStringLiteral("Fixedsys"));
    QCOMPARE(h.entry()->font().pointSize(), 9);
    QCOMPARE(h.result()->font().families().value(0), QStringLiteral("Fixedsys"));

    auto* label = h.window.findChild<QLabel*>(QStringLiteral("标签1"));
    QCOMPARE(label->text(),
             QStringLiteral("--变量表--\n1.点添加按钮，添加变量\n2.双击变量名，插入变量"));
    QCOMPARE(h.list()->headerItem()->text(0), QStringLiteral("名称"));
    QCOMPARE(h.list()->headerItem()->text(1), QStringLiteral("值"));
    QCOMPARE(h.list()->columnWidth(0), 50);
    QCOMPARE(h.list()->columnWidth(1), 50);
    QCOMPARE(h.list()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(h.list()->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(h.list()->topLevelItemCount(), 0);
}

void MainWindowTest::everyKeyHasItsPlaceCaptionAndFont() {
    WindowHarness h;
    int found = 0;
    for (const KeyDescription& k : keypadKeys()) {
        QPushButton* b = h.button(k.control.data());
        QVERIFY2(b != nullptr, k.control.data());
        const QString caption = QString::fromUtf8(k.caption.data(), k.caption.size());
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->accessibleName(), caption);
        QCOMPARE(b->geometry(), QRect(k.left, k.top, 48, 24));
        QCOMPARE(b->font().families().value(0), QStringLiteral("微软雅黑"));
        QCOMPARE(b->font().pixelSize(), 12);
        // A stand-in with Chinese glyphs is found where the asked-for face is missing.
        QVERIFY(QFontMetrics(b->font()).inFont(QChar(0x6E05)));  // 清
        ++found;
    }
    QCOMPARE(found, 35);
}

void MainWindowTest::keypadSequences_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("continue from the answer after C")
        << QStringList{"1", "＋", "2", "C", "＋", "4", "0"}
        << QStringList{"1", "1+", "1+2", "", "ANS+", "ANS+4", "ANS+40"}
        << QStringList{"1", "Error", "3", "0", "Error", "7", "47"};
    QTest::newRow("function of the answer")
        << QStringList{"2", "清空", "sin"} << QStringList{"2", "", "sin(ANS)"}
        << QStringList{"2", "0", "0.9092974268257"};
    QTest::newRow("new entry after clear")
        << QStringList{"9", "C", "5", "C", "ANS"} << QStringList{"9", "", "5", "", "ANS"}
        << QStringList{"9", "0", "5", "0", "5"};
    QTest::newRow("two-argument fresh form")
        << QStringList{"8", "C", "log"} << QStringList{"8", "", "log(ANS,"}
        << QStringList{"8", "0", "Error"};
    QTest::newRow("operator right after start-up")
        << QStringList{"＋"} << QStringList{"+"} << QStringList{"Error"};
    QTest::newRow("pi, times, point")
        << QStringList{"π", "×", "2", ".", "5"} << QStringList{"π", "π*", "π*2", "π*2.", "π*2.5"}
        << QStringList{"3.14159265359", "Error", "6.28318530718", "6.28318530718",
                       "7.853981633974"};
    QTest::newRow("sq is no function") << QStringList{"sq", "4", ",", "2", ")"}
                                       << QStringList{"sq(", "sq(4", "sq(4,", "sq(4,2", "sq(4,2)"}
                                       << QStringList{"Error", "Error", "Error", "Error", "Error"};
}

void MainWindowTest::keypadSequences() {
    QFETCH(QStringList, keys);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, results);
    WindowHarness h;
    for (int i = 0; i < keys.size(); ++i) {
        h.press(keys[i]);
        QCOMPARE(h.entryText(), entries[i]);
        QCOMPARE(h.result()->text(), results[i]);
    }
}

void MainWindowTest::caretKeys_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("caretAtStart");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("entryAfter");
    QTest::newRow("left selects the byte before") << "123" << false << QStringList{"←"} << "3"
                                                  << "123";
    QTest::newRow("left twice") << "123" << false << QStringList{"←", "←"} << "2"
                                << "123";
    QTest::newRow("overwrite") << "123" << false << QStringList{"←", "←", "9"} << ""
                               << "193";
    QTest::newRow("left at the start") << "123" << true << QStringList{"←"} << ""
                                       << "123";
    QTest::newRow("right passes one byte") << "123" << true << QStringList{"→"} << "2"
                                           << "123";
    QTest::newRow("right moves the selection") << "123" << true << QStringList{"→", "→"} << "3"
                                               << "123";
    QTest::newRow("right stops at the last byte")
        << "123" << true << QStringList{"→", "→", "→"} << "3"
        << "123";
    QTest::newRow("right at the end") << "123" << false << QStringList{"→"} << ""
                                      << "123";
    QTest::newRow("pi takes two presses") << "1π2" << false << QStringList{"←", "←", "←"} << "π"
                                          << "1π2";
    QTest::newRow("then the byte before it")
        << "1π2" << false << QStringList{"←", "←", "←", "←"} << "1"
        << "1π2";
    QTest::newRow("overwrite pi") << "1π2" << false << QStringList{"←", "←", "7"} << ""
                                  << "172";
    QTest::newRow("line break is two bytes") << "1\n2" << false << QStringList{"←", "←", "←"}
                                             << QString(QChar::ParagraphSeparator) << "1\n2";
}

void MainWindowTest::caretKeys() {
    QFETCH(QString, typed);
    QFETCH(bool, caretAtStart);
    QFETCH(QStringList, keys);
    QFETCH(QString, selected);
    QFETCH(QString, entryAfter);
    WindowHarness h;
    h.click(h.entry());
    const QStringList lines = typed.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(h.entry(), Qt::Key_Return);
        typeText(h.entry(), lines[i]);
    }
    if (caretAtStart) QTest::keyClick(h.entry(), Qt::Key_Home);
    h.pressAll(keys);
    QCOMPARE(h.selectedText(), selected);
    QCOMPARE(h.entryText(), entryAfter);
}

void MainWindowTest::keysKeepTheSelectionWithoutFocus() {
    WindowHarness h;
    h.press("1");
    h.press("2");
    h.press("←");
    QVERIFY(!h.entry()->hasFocus());
    QCOMPARE(h.selectedText(), QStringLiteral("2"));
    const QPalette pal = h.entry()->palette();
    QCOMPARE(pal.color(QPalette::Inactive, QPalette::Highlight),
             pal.color(QPalette::Active, QPalette::Highlight));
    h.press("5");
    QCOMPARE(h.entryText(), QStringLiteral("15"));
    QCOMPARE(h.result()->text(), QStringLiteral("15"));
}

void MainWindowTest::focusEndsTheFreshState_data() {
    QTest::addColumn<QString>("between");  // what happens between C and ＋
    QTest::addColumn<QString>("entryAfter");
    QTest::newRow("nothing") << ""
                             << "ANS+";
    QTest::newRow("click into the entry") << "click"
                                          << "+";
    QTest::newRow("right arrow on the empty entry") << "→"
                                                    << "+";
    QTest::newRow("left arrow does nothing") << "←"
                                             << "ANS+";
    QTest::newRow("help keeps the state") << "帮助"
                                          << "ANS+";
}

void MainWindowTest::focusEndsTheFreshState() {
    QFETCH(QString, between);
    QFETCH(QString, entryAfter);
    WindowHarness h;
    h.pressAll({"3", "C"});
    QCOMPARE(h.session.freshEntry, 1);
    if (between == "click") {
        h.click(h.entry());
        QVERIFY(h.entry()->hasFocus());
    } else if (!between.isEmpty()) {
        h.press(between);
    }
    h.press("＋");
    QCOMPARE(h.entryText(), entryAfter);
    QCOMPARE(h.session.freshEntry, 0);
}

void MainWindowTest::everyChangeEvaluatesOnce_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("evaluations");
    QTest::addColumn<QString>("entryAfter");
    QTest::addColumn<QString>("resultAfter");
    QTest::newRow("typing a digit") << "type 4" << 1 << "124"
                                    << "124";
    QTest::newRow("Enter") << "enter" << 1 << "12\n"
                           << "Error";
    QTest::newRow("paste") << "paste" << 1 << "12+3"
                           << "15";
    QTest::newRow("cut") << "cut" << 1 << ""
                         << "Error";
    // Typing merges into one undo step.
    QTest::newRow("undo") << "undo" << 1 << ""
                          << "Error";
    QTest::newRow("backspace") << "backspace" << 1 << "1"
                               << "1";
    QTest::newRow("key after clear empties, then inserts") << "C 7" << 3 << "7"
                                                           << "7";
    QTest::newRow("clear on an empty entry still evaluates") << "C C" << 2 << ""
                                                             << "0";
    QTest::newRow("caret keys never evaluate") << "← →" << 0 << "12"
                                               << "12";
}

void MainWindowTest::everyChangeEvaluatesOnce() {
    QFETCH(QString, action);
    QFETCH(int, evaluations);
    QFETCH(QString, entryAfter);
    QFETCH(QString, resultAfter);
    WindowHarness h;
    h.click(h.entry());
    typeText(h.entry(), "12");
    QSignalSpy spy(&h.window, &MainWindow::entryEvaluated);
    if (action == "type 4") {
        typeText(h.entry(), "4");
    } else if (action == "enter") {
        QTest::keyClick(h.entry(), Qt::Key_Return);
    } else if (action == "paste") {
        QGuiApplication::clipboard()->setText(QStringLiteral("+3"));
        QTest::keyClick(h.entry(), Qt::Key_V, Qt::ControlModifier);
    } else if (action == "cut") {
        h.entry()->selectAll();
        QTest::keyClick(h.entry(), Qt::Key_X, Qt::ControlModifier);
    } else if (action == "undo") {
        QTest::keyClick(h.entry(), Qt::Key_Z, Qt::ControlModifier);
    } else if (action == "backspace") {
        QTest::keyClick(h.entry(), Qt::Key_Backspace);
    } else {
        h.pressAll(action.split(' '));
    }
    QCOMPARE(spy.count(), evaluations);
    QCOMPARE(h.entryText(), entryAfter);
    QCOMPARE(h.result()->text(), resultAfter);
}

void MainWindowTest::malformedLogarithmIsMarked_data() {
    QTest::addColumn<QString>("pasted");  // put in at once, before the keys
    QTest::addColumn<QString>("keyed");   // then typed key by key
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("marked");
    QTest::addColumn<int>("offset");  // the marked byte offset
    QTest::newRow("one argument") << ""
                                  << "1+log(2"
                                  << "Error"
                                  << "log(" << 2;
    QTest::newRow("no closing bracket") << ""
                                        << "log(2,8"
                                        << "Error"
                                        << "log(" << 0;
    QTest::newRow("after pi") << ""
                              << "π+log(2"
                              << "Error"
                              << "log(" << 3;
    // Pasted, so that ANS stays 0: "ANS" is substituted by "0", two bytes shorter, and the
    // mark starts inside π and is widened to the whole character.
    QTest::newRow("shifted into pi") << "ANS+π+log("
                                     << "2"
                                     << "Error"
                                     << "π+lo" << 5;
    QTest::newRow("shifted before it") << "ANS+log("
                                       << "2"
                                       << "Error"
                                       << "S+lo" << 2;
    // Marked while it was typed; the mark goes once the text is fixed or fails otherwise.
    QTest::newRow("typed in full") << ""
                                   << "log(2,8)"
                                   << "3"
                                   << "" << -1;
    QTest::newRow("fixed after a sum") << ""
                                       << "2+log(2,8)"
                                       << "5"
                                       << "" << -1;
    QTest::newRow("closed, but another error") << ""
                                               << "log(2,8+)"
                                               << "Error"
                                               << "" << -1;
}

void MainWindowTest::malformedLogarithmIsMarked() {
    QFETCH(QString, pasted);
    QFETCH(QString, keyed);
    QFETCH(QString, result);
    QFETCH(QString, marked);
    QFETCH(int, offset);
    WindowHarness h;
    h.click(h.entry());
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(h.entry(), Qt::Key_V, Qt::ControlModifier);
    }
    // Key by key: each keystroke lands after the last, whatever the evaluation marked.
    typeText(h.entry(), keyed.chopped(1));
    const double ansBefore = h.session.ans;
    typeText(h.entry(), keyed.right(1));
    const QString text = pasted + keyed;
    QCOMPARE(h.entryText(), text);
    QCOMPARE(h.result()->text(), result);
    QCOMPARE(h.markedText(), marked);
    QCOMPARE(h.selectedText(), QString());
    QCOMPARE(h.entry()->textCursor().position(), text.size());
    QCOMPARE(h.entry()->accessibleDescription(),
             offset < 0 ? QString() : QStringLiteral("malformed log( at offset %1").arg(offset));
    if (!marked.isEmpty()) {
        // Drawn like a selection, and the answer is left as it was.
        const QTextCharFormat format = h.entry()->extraSelections().first().format;
        QCOMPARE(format.background(), h.entry()->palette().brush(QPalette::Highlight));
        QCOMPARE(format.foreground(), h.entry()->palette().brush(QPalette::HighlightedText));
        QCOMPARE(h.session.ans, ansBefore);
    }
}

void MainWindowTest::freshLogarithmFormIsMarkedAndKept() {
    WindowHarness h;
    h.pressAll({"2", "C", "log"});
    QCOMPARE(h.entryText(), QStringLiteral("log(ANS,"));
    QCOMPARE(h.markedText(), QStringLiteral("log("));
    QCOMPARE(h.selectedText(), QString());
    h.press("2");
    QCOMPARE(h.entryText(), QStringLiteral("log(ANS,2"));
    QCOMPARE(h.markedText(), QStringLiteral("log("));
    h.press(")");
    QCOMPARE(h.entryText(), QStringLiteral("log(ANS,2)"));
    QCOMPARE(h.result()->text(), QStringLiteral("1"));
    QCOMPARE(h.markedText(), QString());
}

void MainWindowTest::unencodableCharacterGivesError() {
    WindowHarness h;
    h.click(h.entry());
    typeText(h.entry(), "1+2");
    QCOMPARE(h.result()->text(), QStringLiteral("3"));
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    QGuiApplication::clipboard()->setText(emoji);
    QTest::keyClick(h.entry(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.entryText(), QStringLiteral("1+2") + emoji);
    QCOMPARE(h.result()->text(), QStringLiteral("Error"));
    QCOMPARE(h.session.ans, 3.0);
    // It is one byte, "?", to the handlers: one caret step selects it whole, and the keys
    // still edit the text.
    h.press("←");
    QCOMPARE(h.selectedText(), emoji);
    h.press("4");
    QCOMPARE(h.entryText(), QStringLiteral("1+24"));
    QCOMPARE(h.result()->text(), QStringLiteral("25"));
}

void MainWindowTest::hostilePastes_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("result");
    QTest::newRow("long sum") << QString("1+").repeated(5000) + "1"
                              << "5001";
    QTest::newRow("zero character ends the text") << QString("1+2") + QChar(0) + "9"
                                                  << "3";
    QTest::newRow("lone surrogate") << QString("1") + QChar(0xD800) << "Error";
    QTest::newRow("many line breaks") << QString("1\n").repeated(2000) << "Error";
    QTest::newRow("many logarithms") << QString("log(").repeated(500) << "Error";
    QTest::newRow("many variables' names") << QString("var_").repeated(1000) << "Error";
}

void MainWindowTest::hostilePastes() {
    QFETCH(QString, pasted);
    QFETCH(QString, result);
    WindowHarness h;
    h.click(h.entry());
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(h.entry(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(h.result()->text(), result);
    // The keys go on working on whatever is there.
    h.pressAll({"←", "→", "C", "1"});
    QCOMPARE(h.entryText(), QStringLiteral("1"));
    QCOMPARE(h.result()->text(), QStringLiteral("1"));
}

void MainWindowTest::helpKeyShowsTheSyntax() {
    WindowHarness h;
    h.pressAll({"7", "←"});
    h.press("帮助");
    QCOMPARE(h.messages.shown.size(), size_t{1});
    const RecordedMessage& m = h.messages.shown[0];
    QCOMPARE(m.caption, QStringLiteral("计算功能函数输入帮助"));
    QCOMPARE(m.flags, 64);
    QCOMPARE(m.text.split('\n').size(), 6);
    QVERIFY(m.text.startsWith(QStringLiteral("求x的y次方幂：pow(x,y)\n")));
    QCOMPARE(h.entryText(), QStringLiteral("7"));
    QCOMPARE(h.selectedText(), QStringLiteral("7"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
