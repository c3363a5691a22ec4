#pragma once
// The handlers' view of the entry box: GBK texts and byte offsets over a Unicode widget.
//
// A byte range that begins or ends inside a double-byte character (or between the CR and
// the LF of a line break) is shown widened to whole characters. The exact byte start is
// remembered while the widget's selection stays as it was set, so the caret keys still
// step one byte at a time: a double-byte character stays selected for two presses.
//
// A malformed "log(" is marked with an extra selection drawn in the selection's colours,
// widened the same way, while the real selection and the caret stay untouched.
#include <functional>
#include <optional>

#include "app/entry_editor.h"
#include "entry_box.h"

namespace qalcor {

class EntryEditorAdapter : public EntryEditor {
  public:
    // `onTextChanged` runs once after every change of the text, whatever made it.
    EntryEditorAdapter(EntryBox& box, std::function<void()> onTextChanged);

    Text text() const override;
    void setText(TextView text) override;
    int selectionStart() const override;
    void setSelection(int start, int length) override;
    void replaceSelection(TextView text) override;
    void markMalformedLogarithm(std::optional<EntrySelection> span) override;

  private:
    struct RememberedSelection {
        int byteStart;
        int shownStart;
        int shownEnd;
    };
    struct ShownRange {
        int byteStart;  // `start` clipped to the text
        int start;      // character positions covering the bytes
        int end;
    };
    ShownRange shownRange(int start, int length) const;
    void textChangedInWidget();
    void changeText(const std::function<void()>& change);

    EntryBox& box_;
    std::function<void()> onTextChanged_;
    std::optional<RememberedSelection> remembered_;
    bool changing_ = false;
    bool selecting_ = false;
};

}  // namespace qalcor
