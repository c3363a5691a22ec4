#include "entry_box.h"

#include <QPalette>

namespace qalcor {

EntryBox::EntryBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    // Tab moves on to the keys instead of putting a tab into the expression.
    setTabChangesFocus(true);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, QColor(216, 216, 216));
    pal.setColor(QPalette::Text, Qt::black);
    // Drawn the same without the focus, so the caret keys' selection shows while a key has it.
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        pal.setBrush(QPalette::Inactive, role, pal.brush(QPalette::Active, role));
    }
    setPalette(pal);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    emit gotFocus();
}

}  // namespace qalcor
