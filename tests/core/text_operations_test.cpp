#include "textnum/text_operations.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace qalcor {
namespace {

TEST(TextMid, CutsAndEmptiesAtTheEdges) {
    EXPECT_EQ(textMid("abc", 0, 2), "");
    EXPECT_EQ(textMid("abc", 1, 2), "ab");
    EXPECT_EQ(textMid("abc", 3, 5), "c");
    EXPECT_EQ(textMid("abc", 4, 1), "");
    EXPECT_EQ(textMid("abc", 2, 0), "");
    EXPECT_EQ(textMid("abc", 2, -3), "");
    EXPECT_EQ(textMid("", 1, 1), "");
}

TEST(FindText, StartPositions) {
    EXPECT_EQ(findText("2+log(2,8)", "log", 0, false), 3);
    EXPECT_EQ(findText("2+log(2,8)", "log", -5, false), 3);
    EXPECT_EQ(findText("2+log(2,8)", "log", 3, false), 3);
    EXPECT_EQ(findText("2+log(2,8)", "log", 4, false), -1);
    EXPECT_EQ(findText("2+log(2,8)", "log", 99, false), -1);
    EXPECT_EQ(findText("2+log(2,8)", ")", 3, false), 10);
    EXPECT_EQ(findText("abc", "", 2, false), 1);
    EXPECT_EQ(findText("abc", "", 4, false), -1);
    EXPECT_EQ(findText("aBc", "bC", 1, true), 2);
    EXPECT_EQ(findText("aBc", "bC", 1, false), -1);
}

// In GBK a trail byte can equal an ASCII letter: "莈" is 0xC7 0x65 ('e').
TEST(FindText, NeverMatchesATrailByte) {
    const std::string text =
        "\xC7"
        "e"
        "1";
    EXPECT_EQ(findText(text, "e", 1, false), -1);
    EXPECT_EQ(findText(text, "1", 1, false), 3);
    // A scan that starts on the trail byte does see it.
    EXPECT_EQ(findText(text, "e", 2, false), 2);
    // A lone lead byte at the end ends the scan.
    EXPECT_EQ(findText("a\xC7", "\xC7", 1, false), 2);
    EXPECT_EQ(findText("\xC7", "x", 1, false), -1);
}

TEST(ReplaceTextAt, ClampsPlaceAndLength) {
    EXPECT_EQ(replaceTextAt("abcdef", 2, 3, "X"), "aXef");
    EXPECT_EQ(replaceTextAt("abcdef", 0, 1, "X"), "Xbcdef");
    EXPECT_EQ(replaceTextAt("abcdef", 10, 2, "X"), "abcdefX");
    EXPECT_EQ(replaceTextAt("abcdef", 3, -1, "X"), "abXcdef");
    EXPECT_EQ(replaceTextAt("abcdef", 3, 100, "X"), "abX");
    EXPECT_EQ(replaceTextAt("abcdef", 3, 1, ""), "abdef");
}

TEST(ReplaceSubtext, LeftToRightWithoutOverlap) {
    EXPECT_EQ(replaceSubtext("aaa", "aa", "b", true), "ba");
    EXPECT_EQ(replaceSubtext("ANS*ANS", "ANS", "12", true), "12*12");
    EXPECT_EQ(replaceSubtext("ANS*ans", "ANS", "1", true), "1*ans");
    EXPECT_EQ(replaceSubtext("ANS*ans", "ANS", "1", false), "1*1");
    EXPECT_EQ(replaceSubtext("abc", "", "x", true), "abc");
    EXPECT_EQ(replaceSubtext("", "a", "x", true), "");
    EXPECT_EQ(replaceSubtext("aaa", "a", "aa", true), "aaaaaa");  // never searched again
}

TEST(ReplaceSubtext, KeepsDoubleByteCharactersWhole) {
    const std::string text =
        "e\xC7"
        "e"
        "e";  // e, 莈, e
    EXPECT_EQ(replaceSubtext(text, "e", "E", true),
              "E\xC7"
              "eE");
    EXPECT_EQ(replaceSubtext(gbk("π+π"), gbk("π"), "P", true), "P+P");
    // A lone lead byte at the end is dropped unless it is what is sought.
    EXPECT_EQ(replaceSubtext("ab\xC7", "a", "x", true), "xb");
    EXPECT_EQ(replaceSubtext("ab\xC7", "\xC7", "x", true), "abx");
    EXPECT_EQ(replaceSubtext("ab\xC7", "ab", "x", true), "x\xC7");
}

TEST(SplitText, CountsEmptyPiecesButNoEmptyLastOne) {
    const struct {
        const char* text;
        TextArray members;
    } cases[] = {
        {"", {}},
        {"2", {"2"}},
        {"2,", {"2"}},
        {",8", {"", "8"}},
        {",", {""}},
        {"2,8", {"2", "8"}},
        {"2,8,9", {"2", "8", "9"}},
        {"a,,b", {"a", "", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitText(c.text, ","), c.members) << c.text;
    EXPECT_EQ(splitText("abc", ""), TextArray{"abc"});
    // The separator is not found on a trail byte: 0xC7 0x2C is not a comma here.
    EXPECT_EQ(splitText("1\xC7,2", ",").size(), 1u);
    EXPECT_EQ(splitText("1,\xC7", ","), (TextArray{"1", "\xC7"}));
}

TEST(RepeatJoinCompare, Basics) {
    EXPECT_EQ(repeatText(-3, "0"), "");
    EXPECT_EQ(repeatText(0, "0"), "");
    EXPECT_EQ(repeatText(20, "0"), std::string(20, '0'));
    EXPECT_EQ(repeatText(3, ""), "");
    EXPECT_EQ(joinText({"var_", ""}), "var_");
    EXPECT_EQ(joinText({"log(", "8", ")/log(", "2", ")"}), "log(8)/log(2)");
    EXPECT_EQ(compareText("", ""), 0);
    EXPECT_EQ(compareText("", "a"), -1);
    EXPECT_EQ(compareText("b", "a"), 1);
    EXPECT_EQ(compareText("a", "ab"), -1);
    EXPECT_EQ(compareText("\x80", "z"), 1);
    EXPECT_EQ(textLength(gbk("π1")), 3);
}

}  // namespace
}  // namespace qalcor
