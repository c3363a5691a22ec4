#include "dialog_boxes.h"

#include "platform/qt_gbk.h"

namespace qalcor {

QString typedTextKept(const QKeyEvent& event, bool (*accepts)(char32_t)) {
    const QString typed = event.text();
    const auto shortcutKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (typed.isEmpty() || (event.modifiers() & shortcutKeys) != Qt::NoModifier) return typed;
    QString kept;
    for (const char32_t c : typed.toUcs4()) {
        if (accepts(c)) kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}

void ValueBox::focusOutEvent(QFocusEvent* event) {
    const Text current = toGbk(text());
    const Text normal = normalisedValueText(current);
    if (normal != current) setText(fromGbk(normal));
    QLineEdit::focusOutEvent(event);
}

}  // namespace qalcor
