#include "app/evaluate_entry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gbk.h"
#include "hostile_inputs.h"

namespace qalcor {
namespace {

class EvaluateEntry : public ::testing::Test {
  protected:
    void add(const char* name, double value) {
        VariableRecord* r = store.recordAt(store.appendSlot());
        r->name = name;
        r->value = value;
    }
    // Types the entry and returns what the result box shows, carrying ans.
    Text show(const std::string& entry) {
        last = evaluateEntry(entry, store, ans);
        ans = last.ans;
        return last.display;
    }
    VariableStore store;
    double ans = 0.0;
    EntryEvaluation last;
};

TEST_F(EvaluateEntry, ShowsValuesAndErrors) {
    const struct {
        std::string entry;
        const char* display;
    } cases[] = {
        {"1+2", "3"},
        {"x", "0.5"},
        {"x*x", "0.3333333333333"},
        {"1/3", "0.3333333333333"},
        {"log(2,8)", "3"},
        {"log(2,8)+log(3,9)", "5"},
        {"2e+003", "2000"},
        {"5e-003", "0.005"},
        {"2e+5", "200000"},
        {gbk("π"), "3.14159265359"},
        {"e", "2.718281828459"},
        {"e*1000000000", "2718281828.459"},
        {"exp(1)", "Error"},
        {"ans", "Error"},
        {"", "Error"},
        {"1/0", "Error"},
        {"1\r\n2", "Error"},
        {"sq(4,2)", "Error"},
        {"86.7", "86.7"},
        {"1516.63", "1516.63"},
        {"pow(10,400)", "-1.#IND"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(show(c.entry), c.display) << c.entry;
}

TEST_F(EvaluateEntry, AnswerFollowsOnlySuccessfulEvaluations) {
    EXPECT_EQ(show("1"), "1");
    EXPECT_EQ(show("1+"), "Error");
    EXPECT_EQ(ans, 1);
    EXPECT_EQ(show("1+2"), "3");
    EXPECT_EQ(ans, 3);
    EXPECT_EQ(show("1/3"), "0.3333333333333");
    EXPECT_EQ(ans, 1.0 / 3);
    EXPECT_EQ(show("ANS*3"), "0.9999999999999");
    ans = 1e15;
    EXPECT_EQ(show("ANS"), "1e+015");
    EXPECT_EQ(ans, 1e15);
    ans = 5;
    EXPECT_EQ(show("ANS*2"), "10");
    EXPECT_EQ(show("1/0"), "Error");
    EXPECT_EQ(show("ANS"), "10");
}

TEST_F(EvaluateEntry, MalformedLogarithmKeepsTheAnswerAndSelects) {
    ans = 7;
    EXPECT_EQ(show("2+log(2,8"), "Error");
    EXPECT_EQ(ans, 7);
    ASSERT_TRUE(last.selection);
    EXPECT_EQ(*last.selection, (EntrySelection{2, 4}));
    EXPECT_EQ(show("log(8)"), "Error");
    EXPECT_EQ(*last.selection, (EntrySelection{0, 4}));
}

TEST_F(EvaluateEntry, Variables) {
    add("r", 2);
    add("a", 2);
    add("ab", 3);
    EXPECT_EQ(show("var_r*3"), "6");
    EXPECT_EQ(show("var_ab"), "Error");
    store.tombstone(1);
    EXPECT_EQ(show("var_r"), "Error");
}

// Numbers near the top of the double range read back through their 309-digit expansion
// and come out as themselves, not as infinity or NaN.
TEST_F(EvaluateEntry, LargestNumbersSurviveTheirExpansion) {
    ans = 1e308;
    EXPECT_EQ(show("ANS"), "1e+308");
    EXPECT_EQ(show("1.797693134862e+308"), "1.797693134862e+308");
    EXPECT_EQ(show("-ANS"), "-1.797693134862e+308");
    add("big", 1.5e308);
    EXPECT_EQ(show("var_big"), "1.5e+308");
    EXPECT_EQ(show("var_big*10"), "-1.#IND");  // infinity minus infinity in the sums
}

// Exponent forms grow 200-fold; a working text beyond the bound is "Error", not gigabytes.
TEST_F(EvaluateEntry, WorkingTextsAreBounded) {
    using hostile::repeat;
    EXPECT_EQ(show(repeat("1e+999", 3000)), "-1.#IND");  // 3 MB of digits: evaluated
    EXPECT_EQ(show(repeat("1e+999", 5000)), "Error");    // 5 MB: beyond the bound
    EXPECT_EQ(show(repeat("1e-999", 5000)), "Error");
    EXPECT_EQ(show(std::string(kMaxWorkingText, '1')), "-1.#IND");  // at the bound: evaluated
    EXPECT_EQ(show(std::string(kMaxWorkingText + 1, '1')), "Error");
    EXPECT_EQ(show("1+" + std::string(kMaxWorkingText, '0')), "Error");
}

TEST_F(EvaluateEntry, ZeroByteEndsTheEntry) {
    EXPECT_EQ(show(std::string("12\0+", 4)), "12");
}

}  // namespace
}  // namespace qalcor
