#include "app/keypad.h"

#include <cmath>

#include "platform/gbk_literal.h"

namespace qalcor {

namespace {

using K = KeyKind;

constexpr KeyDescription kKeys[] = {
    {"按钮1", "1", 24, 96, K::Insert, "1", ""},
    {"按钮2", "2", 88, 96, K::Insert, "2", ""},
    {"按钮3", "3", 152, 96, K::Insert, "3", ""},
    {"按钮13", "＋", 216, 96, K::Operator, "+", "ANS+"},
    {"按钮21", "(", 280, 96, K::Insert, "(", ""},
    {"按钮27", "sin", 344, 96, K::Operator, "sin(", "sin(ANS)"},
    {"按钮32", "atan", 408, 96, K::Operator, "atan(", "atan(ANS)"},

    {"按钮4", "4", 24, 136, K::Insert, "4", ""},
    {"按钮5", "5", 88, 136, K::Insert, "5", ""},
    {"按钮6", "6", 152, 136, K::Insert, "6", ""},
    {"按钮14", "－", 216, 136, K::Operator, "-", "ANS-"},
    {"按钮22", ")", 280, 136, K::Insert, ")", ""},
    {"按钮28", "cos", 344, 136, K::Operator, "cos(", "cos(ANS)"},
    {"按钮35", "←", 408, 136, K::CaretLeft, "", ""},

    {"按钮7", "7", 24, 176, K::Insert, "7", ""},
    {"按钮8", "8", 88, 176, K::Insert, "8", ""},
    {"按钮9", "9", 152, 176, K::Insert, "9", ""},
    {"按钮15", "×", 216, 176, K::Operator, "*", "ANS*"},
    {"按钮24", "π", 280, 176, K::Insert, "π", ""},
    {"按钮29", "tan", 344, 176, K::Operator, "tan(", "tan(ANS)"},
    {"按钮36", "→", 408, 176, K::CaretRight, "", ""},

    {"按钮10", "0", 24, 216, K::Insert, "0", ""},
    {"按钮11", "C", 88, 216, K::Clear, "", ""},
    {"按钮26", ".", 152, 216, K::Insert, ".", ""},
    {"按钮16", "÷", 216, 216, K::Operator, "/", "ANS/"},
    {"按钮25", "e", 280, 216, K::Insert, "e", ""},
    {"按钮33", "log", 344, 216, K::Operator, "log(", "log(ANS,"},
    {"按钮12", "mod", 408, 216, K::Operator, "mod(", "mod(ANS,"},

    {"按钮20", "清空", 24, 256, K::Clear, "", ""},
    {"按钮34", "ANS", 88, 256, K::Insert, "ANS", ""},
    {"按钮45", ",", 152, 256, K::Insert, ",", ""},
    {"按钮19", "abs", 216, 256, K::Operator, "abs(", "abs(ANS)"},
    {"按钮18", "sq", 280, 256, K::Operator, "sq(", "sq(ANS,"},
    {"按钮17", "pow", 344, 256, K::Operator, "pow(", "pow(ANS,"},
    {"按钮23", "帮助", 408, 256, K::Help, "", ""},
};

}  // namespace

const std::string_view kHelpText =
    "求x的y次方幂：pow(x,y)\r\n"
    "求x的y次方根：sq(x,y)\r\n"
    "求x的绝对值：abs(x)\r\n"
    "求x的正弦值：sin(x), cos、tan、atan同\r\n"
    "求x为底y的对数：log(x,y)\r\n"
    "求余数：mod(x,y)";
const std::string_view kHelpCaption = "计算功能函数输入帮助";

std::span<const KeyDescription> keypadKeys() {
    return kKeys;
}

void Keypad::press(const KeyDescription& key) {
    switch (key.kind) {
        case KeyKind::Insert:
            insert(key.text);
            break;
        case KeyKind::Operator:
            applyOperator(key.text, key.freshForm);
            break;
        case KeyKind::Clear:
            clear();
            break;
        case KeyKind::CaretLeft:
            caretLeft();
            break;
        case KeyKind::CaretRight:
            caretRight();
            break;
        case KeyKind::Help:
            showHelp();
            break;
    }
}

void Keypad::insert(std::string_view text) {
    if (session_.freshEntry == 1) {
        entry_.setText("");
        session_.freshEntry = 0;
    }
    entry_.replaceSelection(gbkLiteral(text));
}

void Keypad::applyOperator(std::string_view text, std::string_view freshForm) {
    if (session_.freshEntry == 1) {
        entry_.setText("");
        entry_.replaceSelection(gbkLiteral(freshForm));
        session_.freshEntry = 0;
        return;
    }
    entry_.replaceSelection(gbkLiteral(text));
}

void Keypad::clear() {
    entry_.setText("");
    result_.setText("0");
    session_.freshEntry = 1;
}

void Keypad::caretLeft() {
    const int s = entry_.selectionStart();
    if (s == 0) return;
    entry_.setSelection(s - 1, 1);
    session_.freshEntry = 0;
}

void Keypad::caretRight() {
    const int n = textLength(entry_.text());
    const int s = entry_.selectionStart();
    // Compared in double precision as the key always did; for whole numbers it is s == n - 1.
    if (std::abs(static_cast<double>(s) - (static_cast<double>(n) - 1.0)) <= 1e-7) return;
    entry_.setSelection(s + 1, 1);
    session_.freshEntry = 0;
}

void Keypad::showHelp() {
    messages_.showMessage(gbkLiteral(kHelpText), kIconInformation, gbkLiteral(kHelpCaption));
}

}  // namespace qalcor
