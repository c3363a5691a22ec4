#pragma once
// The 35 keys of the keypad, as data, and what a click on each kind of key does.
#include <span>
#include <string_view>

#include "app/calculator_session.h"
#include "app/entry_editor.h"
#include "app/message_sink.h"

namespace qalcor {

enum class KeyKind { Insert, Operator, Clear, CaretLeft, CaretRight, Help };

// Texts here are UTF-8 as written in the source; the handlers hand GBK to the entry.
struct KeyDescription {
    std::string_view control;  // the button's control name, such as "按钮13"
    std::string_view caption;  // what the button shows
    int left = 0;              // place in the main window's client area
    int top = 0;
    KeyKind kind = KeyKind::Insert;
    std::string_view text;       // inserted while freshEntry is 0 (insert and operator keys)
    std::string_view freshForm;  // what an operator key puts into the emptied entry
};

inline constexpr int kKeyWidth = 48;
inline constexpr int kKeyHeight = 24;

// In layout order, row by row from the top left.
std::span<const KeyDescription> keypadKeys();

// The help key's message and caption, UTF-8.
extern const std::string_view kHelpText;
extern const std::string_view kHelpCaption;

class Keypad {
  public:
    Keypad(CalculatorSession& session, EntryEditor& entry, ResultBox& result, MessageSink& messages)
        : session_(session), entry_(entry), result_(result), messages_(messages) {}

    void press(const KeyDescription& key);

  private:
    void insert(std::string_view text);
    void applyOperator(std::string_view text, std::string_view freshForm);
    void clear();
    void caretLeft();
    void caretRight();
    void showHelp();

    CalculatorSession& session_;
    EntryEditor& entry_;
    ResultBox& result_;
    MessageSink& messages_;
};

}  // namespace qalcor
