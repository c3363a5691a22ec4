#pragma once
// What the handlers need of the entry box and the result box. Texts are GBK; offsets are
// 0-based GBK byte offsets, whatever the widget holds inside.
#include <optional>

#include "app/entry_rewriting.h"
#include "textnum/text_operations.h"

namespace qalcor {

class EntryEditor {
  public:
    virtual ~EntryEditor() = default;
    virtual Text text() const = 0;
    // Replaces the whole text; the text-changed handler has run when this returns, also
    // when the text did not change.
    virtual void setText(TextView text) = 0;
    // The first selected byte, or the caret when nothing is selected.
    virtual int selectionStart() const = 0;
    // Selects `length` bytes from `start`, clipped to the text (a start beyond the end
    // leaves a caret at the end).
    virtual void setSelection(int start, int length) = 0;
    // Replaces the selection (or inserts at the caret), then leaves the caret after the
    // inserted text; runs the text-changed handler like setText.
    virtual void replaceSelection(TextView text) = 0;
    // Highlights the bytes of a malformed "log(" apart from the selection, so the caret and
    // the selection stay where the user left them; nullopt removes the highlight.
    virtual void markMalformedLogarithm(std::optional<EntrySelection> span) = 0;
};

class ResultBox {
  public:
    virtual ~ResultBox() = default;
    virtual void setText(TextView text) = 0;
};

}  // namespace qalcor
