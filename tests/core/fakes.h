#pragma once
// Recording stand-ins for the widgets, so the handlers can be driven without a window.
#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

#include "app/entry_editor.h"
#include "app/message_sink.h"
#include "variables/variable_views.h"

namespace qalcor {

// Byte-exact entry box: selection offsets are plain byte offsets into the text.
class FakeEntry : public EntryEditor {
  public:
    Text text() const override { return text_; }
    void setText(TextView text) override {
        text_.assign(text);
        start_ = length_ = 0;
        changed();
    }
    int selectionStart() const override { return start_; }
    void setSelection(int start, int length) override {
        const int n = static_cast<int>(text_.size());
        start_ = std::clamp(start, 0, n);
        length_ = std::clamp(length, 0, n - start_);
    }
    void replaceSelection(TextView text) override {
        text_.replace(static_cast<std::size_t>(start_), static_cast<std::size_t>(length_), text);
        start_ += static_cast<int>(text.size());
        length_ = 0;
        changed();
    }
    void markMalformedLogarithm(std::optional<EntrySelection> span) override { mark = span; }
    int selectionLength() const { return length_; }
    // Typing in the box: the text changes without going through the handlers.
    void type(TextView text) { replaceSelection(text); }

    std::function<void()> onChanged;
    int changes = 0;
    std::optional<EntrySelection> mark;  // the highlighted malformed "log(", if any

  private:
    void changed() {
        ++changes;
        if (onChanged) onChanged();
    }
    Text text_;
    int start_ = 0;
    int length_ = 0;
};

class FakeResult : public ResultBox {
  public:
    void setText(TextView text) override { shown.assign(text); }
    Text shown = "0";
};

struct ShownMessage {
    Text text;
    int flags = 0;
    Text caption;
};

class RecordingMessages : public MessageSink {
  public:
    void showMessage(TextView text, int flags, TextView caption) override {
        shown.push_back({Text(text), flags, Text(caption)});
    }
    std::vector<ShownMessage> shown;
};

struct FakeRow {
    Text name;
    Text value;
    int item = 0;
};

class FakeList : public VariableListView {
  public:
    int selectedRow() const override { return selected; }
    int rowCount() const override { return static_cast<int>(rows.size()); }
    void appendRow() override { rows.emplace_back(); }
    Text cellText(int row, int column) const override {
        if (!exists(row)) return {};
        return column == 0 ? rows[index(row)].name : rows[index(row)].value;
    }
    void setCellText(int row, int column, TextView text) override {
        if (!exists(row)) return;
        (column == 0 ? rows[index(row)].name : rows[index(row)].value).assign(text);
    }
    int itemValue(int row) const override { return exists(row) ? rows[index(row)].item : 0; }
    void setItemValue(int row, int value) override {
        if (exists(row)) rows[index(row)].item = value;
    }
    void deleteRow(int row) override {
        if (!exists(row)) return;
        rows.erase(rows.begin() + row);
        selected = -1;
    }

    std::vector<FakeRow> rows;
    int selected = -1;

  private:
    bool exists(int row) const { return row >= 0 && row < rowCount(); }
    static std::size_t index(int row) { return static_cast<std::size_t>(row); }
};

class FakeDialog : public VariableDialogView {
  public:
    Text nameText() const override { return name; }
    void setNameText(TextView text) override { name.assign(text); }
    Text valueText() const override { return value; }
    void setValueText(TextView text) override { value.assign(text); }
    void closeDialog() override { open = false; }

    Text name;
    Text value;
    bool open = true;
};

}  // namespace qalcor
