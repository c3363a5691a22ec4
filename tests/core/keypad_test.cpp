#include "app/keypad.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/entry_events.h"
#include "fakes.h"
#include "gbk.h"
#include "textnum/number_text.h"

namespace qalcor {
namespace {

const KeyDescription& key(std::string_view caption) {
    for (const KeyDescription& k : keypadKeys()) {
        if (k.caption == caption) return k;
    }
    throw std::invalid_argument(std::string(caption));
}

class KeypadTest : public ::testing::Test {
  protected:
    KeypadTest() {
        entry.onChanged = [this] { onEntryTextChanged(session, entry, result); };
        onMainWindowCreated(session);
    }
    void press(std::string_view caption) { keypad.press(key(caption)); }

    CalculatorSession session;
    FakeEntry entry;
    FakeResult result;
    RecordingMessages messages;
    Keypad keypad{session, entry, result, messages};
};

TEST(KeypadTable, FillsTheSevenBySixGridOnceWithUniqueNames) {
    const auto keys = keypadKeys();
    ASSERT_EQ(keys.size(), 35u);
    std::set<std::pair<int, int>> places;
    std::set<std::string_view> controls, captions;
    for (const KeyDescription& k : keys) {
        EXPECT_EQ((k.left - 24) % 64, 0) << k.caption;
        EXPECT_EQ((k.top - 96) % 40, 0) << k.caption;
        EXPECT_TRUE(k.left >= 24 && k.left <= 408 && k.top >= 96 && k.top <= 256) << k.caption;
        places.insert({k.left, k.top});
        controls.insert(k.control);
        captions.insert(k.caption);
    }
    EXPECT_EQ(places.size(), 35u);
    EXPECT_EQ(controls.size(), 35u);
    EXPECT_EQ(captions.size(), 35u);
}

// Every insert and operator key: what it makes of the entry "7" (caret at the end), and of
// an entry just cleared.
TEST_F(KeypadTest, EachTextKeyInsertsOrStartsItsFreshForm) {
    const struct {
        const char* caption;
        std::string continued;
        std::string fresh;
    } cases[] = {
        {"1", "71", "1"},
        {"2", "72", "2"},
        {"3", "73", "3"},
        {"4", "74", "4"},
        {"5", "75", "5"},
        {"6", "76", "6"},
        {"7", "77", "7"},
        {"8", "78", "8"},
        {"9", "79", "9"},
        {"0", "70", "0"},
        {".", "7.", "."},
        {",", "7,", ","},
        {"(", "7(", "("},
        {")", "7)", ")"},
        {"π", gbk("7π"), gbk("π")},
        {"e", "7e", "e"},
        {"ANS", "7ANS", "ANS"},
        {"＋", "7+", "ANS+"},
        {"－", "7-", "ANS-"},
        {"×", "7*", "ANS*"},
        {"÷", "7/", "ANS/"},
        {"sin", "7sin(", "sin(ANS)"},
        {"cos", "7cos(", "cos(ANS)"},
        {"tan", "7tan(", "tan(ANS)"},
        {"atan", "7atan(", "atan(ANS)"},
        {"abs", "7abs(", "abs(ANS)"},
        {"log", "7log(", "log(ANS,"},
        {"mod", "7mod(", "mod(ANS,"},
        {"pow", "7pow(", "pow(ANS,"},
        {"sq", "7sq(", "sq(ANS,"},
    };
    for (const auto& c : cases) {
        entry.setText("");
        entry.type("7");
        press(c.caption);
        EXPECT_EQ(entry.text(), c.continued) << c.caption;
        EXPECT_EQ(entry.selectionStart(), static_cast<int>(c.continued.size())) << c.caption;
        EXPECT_EQ(entry.selectionLength(), 0) << c.caption;
        // "7log(" and "log(ANS," are malformed logarithms: the "log(" is marked, not selected.
        const bool logKey = std::string_view(c.caption) == "log";
        EXPECT_EQ(entry.mark, logKey ? std::optional(EntrySelection{1, 4}) : std::nullopt)
            << c.caption;

        press("C");
        const int changesBefore = entry.changes;
        press(c.caption);
        EXPECT_EQ(entry.text(), c.fresh) << c.caption;
        EXPECT_EQ(session.freshEntry, 0) << c.caption;
        // The emptied entry and the new text are each evaluated.
        EXPECT_EQ(entry.changes - changesBefore, 2) << c.caption;
        EXPECT_EQ(entry.mark, logKey ? std::optional(EntrySelection{0, 4}) : std::nullopt)
            << c.caption;
    }
}

TEST_F(KeypadTest, SequencesShowLiveResultsAndCarryTheAnswer) {
    struct Step {
        const char* key;
        std::string entry;
        const char* shown;
        int fresh;
        std::optional<EntrySelection> mark = std::nullopt;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } scenarios[] = {
        {"continue after clear",
         {{"1", "1", "1", 0},
          {"＋", "1+", "Error", 0},
          {"2", "1+2", "3", 0},
          {"C", "", "0", 1},
          {"＋", "ANS+", "Error", 0},
          {"4", "ANS+4", "7", 0},
          {"0", "ANS+40", "47", 0}}},
        {"function of the last answer",
         {{"2", "2", "2", 0}, {"C", "", "0", 1}, {"sin", "sin(ANS)", "0.9092974268257", 0}}},
        {"new entry and ANS after clear",
         {{"2", "2", "2", 0},
          {"C", "", "0", 1},
          {"5", "5", "5", 0},
          {"清空", "", "0", 1},
          {"ANS", "ANS", "5", 0}}},
        {"operator right after start-up", {{"＋", "+", "Error", 0}}},
        {"pi",
         {{"π", gbk("π"), "3.14159265359", 0},
          {"×", gbk("π*"), "Error", 0},
          {"2", gbk("π*2"), "6.28318530718", 0}}},
        {"sq is unknown to the engine",
         {{"sq", "sq(", "Error", 0},
          {"4", "sq(4", "Error", 0},
          {",", "sq(4,", "Error", 0},
          {"2", "sq(4,2", "Error", 0},
          {")", "sq(4,2)", "Error", 0}}},
        // The marked "log(" stays in place while the keys go on after it.
        {"log key after clear, then a digit",
         {{"2", "2", "2", 0},
          {"C", "", "0", 1},
          {"log", "log(ANS,", "Error", 0, EntrySelection{0, 4}},
          {"2", "log(ANS,2", "Error", 0, EntrySelection{0, 4}},
          {")", "log(ANS,2)", "1", 0}}},
        {"logarithm keyed in after a sum",
         {{"2", "2", "2", 0},
          {"＋", "2+", "Error", 0},
          {"log", "2+log(", "Error", 0, EntrySelection{2, 4}},
          {"2", "2+log(2", "Error", 0, EntrySelection{2, 4}},
          {",", "2+log(2,", "Error", 0, EntrySelection{2, 4}},
          {"8", "2+log(2,8", "Error", 0, EntrySelection{2, 4}},
          {")", "2+log(2,8)", "5", 0},
          {"＋", "2+log(2,8)+", "Error", 0}}},
    };
    for (const auto& scenario : scenarios) {
        CalculatorSession fresh;
        session.freshEntry = fresh.freshEntry;
        session.ans = fresh.ans;
        entry.setText("");
        result.shown = "0";
        for (const Step& step : scenario.steps) {
            press(step.key);
            EXPECT_EQ(entry.text(), step.entry) << scenario.name << " / " << step.key;
            EXPECT_EQ(result.shown, step.shown) << scenario.name << " / " << step.key;
            EXPECT_EQ(session.freshEntry, step.fresh) << scenario.name << " / " << step.key;
            EXPECT_EQ(entry.mark, step.mark) << scenario.name << " / " << step.key;
            // Whatever the evaluation found, the caret stays after the inserted text.
            EXPECT_EQ(entry.selectionStart(), static_cast<int>(step.entry.size()))
                << scenario.name << " / " << step.key;
            EXPECT_EQ(entry.selectionLength(), 0) << scenario.name << " / " << step.key;
        }
    }
}

TEST_F(KeypadTest, AnswerKeepsTheFullDoubleAndSurvivesErrorsAndClears) {
    entry.type("1/3");
    EXPECT_EQ(result.shown, "0.3333333333333");
    EXPECT_EQ(session.ans, 1.0 / 3.0);
    entry.type("/0");
    EXPECT_EQ(result.shown, "Error");
    EXPECT_EQ(session.ans, 1.0 / 3.0);
    press("C");
    EXPECT_EQ(session.ans, 1.0 / 3.0);
}

TEST_F(KeypadTest, CaretKeysSelectOneByteAtATime) {
    const std::string pi = gbk("1π2");  // π is bytes 1 and 2
    const struct {
        std::string text;
        int start, length;
        std::vector<const char*> keys;
        std::string afterText;
        int afterStart, afterLength;
        int fresh;  // starts at 1: only a move sets it to 0
    } cases[] = {
        {"123", 3, 0, {"←"}, "123", 2, 1, 0},
        {"123", 3, 0, {"←", "←"}, "123", 1, 1, 0},
        {"123", 3, 0, {"←", "←", "9"}, "193", 2, 0, 0},
        {"123", 0, 0, {"←"}, "123", 0, 0, 1},
        {"123", 1, 1, {"→"}, "123", 2, 1, 0},
        {"123", 1, 1, {"→", "→"}, "123", 2, 1, 0},
        {"123", 2, 1, {"→"}, "123", 2, 1, 1},
        {"123", 3, 0, {"→"}, "123", 3, 0, 0},
        {"123", 0, 0, {"→"}, "123", 1, 1, 0},
        {"", 0, 0, {"→"}, "", 0, 0, 0},
        {"", 0, 0, {"←"}, "", 0, 0, 1},
        {pi, 4, 0, {"←", "←"}, pi, 2, 1, 0},
        {pi, 4, 0, {"←", "←", "←"}, pi, 1, 1, 0},
        {pi, 0, 0, {"→", "→"}, pi, 2, 1, 0},
    };
    for (const auto& c : cases) {
        entry.setText(c.text);
        entry.setSelection(c.start, c.length);
        session.freshEntry = 1;
        const int changesBefore = entry.changes;
        for (const char* k : c.keys)
            press(k);
        const std::string label = c.text + " @" + std::to_string(c.start);
        EXPECT_EQ(entry.text(), c.afterText) << label;
        EXPECT_EQ(entry.selectionStart(), c.afterStart) << label;
        EXPECT_EQ(entry.selectionLength(), c.afterLength) << label;
        EXPECT_EQ(session.freshEntry, c.fresh) << label;
        if (c.afterText == c.text) {
            EXPECT_EQ(entry.changes, changesBefore) << label << ": caret keys never evaluate";
        }
    }
}

TEST_F(KeypadTest, FreshEntryStateTable) {
    const struct {
        const char* event;  // a key caption, or "focus" / "typing"
        int next;
    } cases[] = {
        {"5", 0},    {"ANS", 0}, {"＋", 0},   {"log", 0},   {"→", 0},      {"←", 1},
        {"帮助", 1}, {"C", 1},   {"清空", 1}, {"focus", 0}, {"typing", 0},
    };
    for (const auto& c : cases) {
        press("C");
        ASSERT_EQ(session.freshEntry, 1);
        const std::string event = c.event;
        if (event == "focus") {
            onEntryGotFocus(session);
        } else if (event == "typing") {
            entry.type("8");
        } else {
            press(c.event);
        }
        EXPECT_EQ(session.freshEntry, c.next) << c.event;
    }
}

TEST_F(KeypadTest, ClearEvaluatesTheEmptyEntryBeforeShowingZero) {
    entry.type("12");
    const int before = entry.changes;
    press("C");
    EXPECT_EQ(entry.changes - before, 1);
    EXPECT_EQ(entry.text(), "");
    EXPECT_EQ(result.shown, "0");
    EXPECT_EQ(session.ans, 12.0);
}

TEST_F(KeypadTest, HelpShowsTheSyntaxAndTouchesNothing) {
    entry.type("1+");
    entry.setSelection(0, 1);
    session.freshEntry = 1;
    press("帮助");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              gbk("求x的y次方幂：pow(x,y)\r\n求x的y次方根：sq(x,y)\r\n求x的绝对值：abs(x)\r\n"
                  "求x的正弦值：sin(x), cos、tan、atan同\r\n求x为底y的对数：log(x,y)\r\n"
                  "求余数：mod(x,y)"));
    EXPECT_EQ(messages.shown[0].flags, kIconInformation);
    EXPECT_EQ(messages.shown[0].caption, gbk("计算功能函数输入帮助"));
    EXPECT_EQ(entry.text(), "1+");
    EXPECT_EQ(entry.selectionStart(), 0);
    EXPECT_EQ(entry.selectionLength(), 1);
    EXPECT_EQ(session.freshEntry, 1);
}

TEST_F(KeypadTest, MalformedLogarithmIsMarkedAndLeavesTheAnswer) {
    const struct {
        double ans;
        std::string typed;
        int start;
    } cases[] = {
        {5.0, "1+log(2", 2},
        {5.0, "log(2)", 0},
        // "ANS" becomes "12.5", one byte longer: the mark lands one byte later.
        {12.5, "ANS+log(2", 5},
    };
    for (const auto& c : cases) {
        entry.setText("");
        session.ans = c.ans;
        entry.type(c.typed);
        EXPECT_EQ(result.shown, "Error") << c.typed;
        EXPECT_EQ(session.ans, c.ans) << c.typed;
        EXPECT_EQ(entry.mark, (EntrySelection{c.start, 4})) << c.typed;
        EXPECT_EQ(entry.selectionStart(), static_cast<int>(c.typed.size())) << c.typed;
        EXPECT_EQ(entry.selectionLength(), 0) << c.typed;
    }
}

TEST_F(KeypadTest, StartUpState) {
    session.freshEntry = 1;
    session.ans = 9.0;
    onMainWindowCreated(session);
    EXPECT_EQ(session.freshEntry, 0);
    EXPECT_EQ(session.ans, 0.0);
}

}  // namespace
}  // namespace qalcor
