#pragma once
// The variable dialog's two edit boxes and what they let through as the user types.
// Only typed characters are filtered: pasted text goes in as it is.
#include <QKeyEvent>
#include <QLineEdit>

#include "variables/dialog_input.h"

namespace qalcor {

// The typed text of a key press with the characters `accepts` refuses taken out; key
// presses that type nothing (arrows, shortcuts) come back unchanged.
QString typedTextKept(const QKeyEvent& event, bool (*accepts)(char32_t));

template <bool (*Accepts)(char32_t)>
class TypingFilteredBox : public QLineEdit {
  public:
    explicit TypingFilteredBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString kept = typedTextKept(*event, Accepts);
        if (kept == event->text()) return QLineEdit::keyPressEvent(event);
        if (kept.isEmpty()) return event->accept();  // discarded
        QKeyEvent filtered(event->type(), event->key(), event->modifiers(), kept,
                           event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QLineEdit::keyPressEvent(&filtered);
    }
};

// Typed digits are discarded.
using NameBox = TypingFilteredBox<nameBoxAcceptsTyped>;

// Numeric input mode: typed characters other than digits, '-' and '.' are discarded, and
// the text is put into its number form whenever the box loses the focus.
class ValueBox : public TypingFilteredBox<valueBoxAcceptsTyped> {
  public:
    using TypingFilteredBox::TypingFilteredBox;

  protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace qalcor
