#include "entry_editor_adapter.h"

#include <QPalette>
#include <QTextCursor>
#include <algorithm>

#include "platform/qt_gbk.h"

namespace qalcor {

EntryEditorAdapter::EntryEditorAdapter(EntryBox& box, std::function<void()> onTextChanged)
    : box_(box), onTextChanged_(std::move(onTextChanged)) {
    QObject::connect(&box_, &QPlainTextEdit::textChanged, &box_, [this] { textChangedInWidget(); });
    // Any move of the caret by the user ends the remembered byte selection.
    QObject::connect(&box_, &QPlainTextEdit::cursorPositionChanged, &box_, [this] {
        if (!selecting_) remembered_.reset();
    });
    QObject::connect(&box_, &QPlainTextEdit::selectionChanged, &box_, [this] {
        if (!selecting_) remembered_.reset();
    });
}

void EntryEditorAdapter::textChangedInWidget() {
    // Our own changes run the handler once themselves, after the widget has settled.
    if (changing_) return;
    remembered_.reset();
    onTextChanged_();
}

void EntryEditorAdapter::changeText(const std::function<void()>& change) {
    changing_ = true;
    change();
    changing_ = false;
    remembered_.reset();
    onTextChanged_();
}

Text EntryEditorAdapter::text() const {
    return toGbk(box_.toPlainText());
}

void EntryEditorAdapter::setText(TextView text) {
    const QString plain = fromGbk(text);
    changeText([&] { box_.setPlainText(plain); });
}

int EntryEditorAdapter::selectionStart() const {
    const QTextCursor cursor = box_.textCursor();
    if (remembered_ && cursor.selectionStart() == remembered_->shownStart &&
        cursor.selectionEnd() == remembered_->shownEnd) {
        return remembered_->byteStart;
    }
    return GbkLayout(box_.toPlainText()).byteOffset(cursor.selectionStart());
}

EntryEditorAdapter::ShownRange EntryEditorAdapter::shownRange(int start, int length) const {
    const GbkLayout layout(box_.toPlainText());
    const int size = static_cast<int>(layout.bytes().size());
    const int first = std::clamp(start, 0, size);
    const int last = std::clamp(first + std::max(length, 0), first, size);
    const int shownStart = layout.positionAtOrBefore(first);
    return {first, shownStart, std::max(shownStart, layout.positionAtOrAfter(last))};
}

void EntryEditorAdapter::setSelection(int start, int length) {
    const ShownRange shown = shownRange(start, length);
    QTextCursor cursor = box_.textCursor();
    cursor.setPosition(shown.start);
    cursor.setPosition(shown.end, QTextCursor::KeepAnchor);
    selecting_ = true;
    box_.setTextCursor(cursor);
    selecting_ = false;
    remembered_ = RememberedSelection{shown.byteStart, shown.start, shown.end};
}

void EntryEditorAdapter::replaceSelection(TextView text) {
    const QString inserted = fromGbk(text);
    changeText([&] {
        QTextCursor cursor = box_.textCursor();
        cursor.insertText(inserted);
        box_.setTextCursor(cursor);
    });
}

void EntryEditorAdapter::markMalformedLogarithm(std::optional<EntrySelection> span) {
    QList<QTextEdit::ExtraSelection> marks;
    QString description;
    if (span) {
        const ShownRange shown = shownRange(span->start, span->length);
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(box_.document());
        mark.cursor.setPosition(shown.start);
        mark.cursor.setPosition(shown.end, QTextCursor::KeepAnchor);
        const QPalette pal = box_.palette();
        mark.format.setBackground(pal.brush(QPalette::Highlight));
        mark.format.setForeground(pal.brush(QPalette::HighlightedText));
        marks.append(mark);
        // The highlight is only seen; this tells a screen reader about it too.
        description = QStringLiteral("malformed log( at offset %1").arg(shown.byteStart);
    }
    box_.setExtraSelections(marks);
    if (box_.accessibleDescription() != description) box_.setAccessibleDescription(description);
}

}  // namespace qalcor
