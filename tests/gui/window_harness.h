#pragma once
// A real main window with a recording message sink, and the lookups the GUI tests share.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <vector>

#include "app/keypad.h"
#include "entry_box.h"
#include "main_window.h"
#include "platform/qt_gbk.h"
#include "variable_list.h"

namespace qalcor {

// Types text key by key; characters beyond ASCII go in as key events carrying the text.
inline void typeText(QWidget* widget, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80) {
            QTest::keyClick(widget, static_cast<char>(c));
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1),
                                Qt::NoModifier);
        }
    }
}

struct RecordedMessage {
    QString text;
    int flags = 0;
    QString caption;
};

class RecordingMessages : public MessageSink {
  public:
    void showMessage(TextView text, int flags, TextView caption) override {
        shown.push_back({fromGbk(text), flags, fromGbk(caption)});
    }
    std::vector<RecordedMessage> shown;
};

class WindowHarness {
  public:
    WindowHarness() {
        window.show();
        window.activateWindow();
        exposed = QTest::qWaitForWindowActive(&window);
    }

    EntryBox* entry() const { return window.findChild<EntryBox*>(QStringLiteral("编辑框1")); }
    QLineEdit* result() const { return window.findChild<QLineEdit*>(QStringLiteral("编辑框2")); }
    VariableList* list() const {
        return window.findChild<VariableList*>(QStringLiteral("超级列表框1"));
    }
    QPushButton* button(const char* control) const {
        return window.findChild<QPushButton*>(QString::fromUtf8(control));
    }
    // The keypad button with this caption.
    QPushButton* key(const QString& caption) const {
        for (const KeyDescription& k : keypadKeys()) {
            if (QString::fromUtf8(k.caption.data(), static_cast<qsizetype>(k.caption.size())) ==
                caption) {
                return button(k.control.data());
            }
        }
        return nullptr;
    }
    void click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void press(const QString& caption) const { click(key(caption)); }
    void pressAll(const QStringList& captions) const {
        for (const QString& c : captions)
            press(c);
    }
    QString entryText() const { return entry()->toPlainText(); }
    QString selectedText() const { return entry()->textCursor().selectedText(); }
    // The text under the entry's highlight of a malformed "log(", empty without one.
    QString markedText() const {
        const QList<QTextEdit::ExtraSelection> marks = entry()->extraSelections();
        return marks.isEmpty() ? QString() : marks.first().cursor.selectedText();
    }

    RecordingMessages messages;
    CalculatorSession session;
    MainWindow window{session, messages};
    bool exposed = false;
};

}  // namespace qalcor
