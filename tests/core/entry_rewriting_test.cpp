#include "app/entry_rewriting.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace qalcor {
namespace {

class EntryRewriting : public ::testing::Test {
  protected:
    void add(const char* name, double value) {
        VariableRecord* r = store.recordAt(store.appendSlot());
        r->name = name;
        r->value = value;
    }
    VariableStore store;
};

TEST_F(EntryRewriting, SubStepsInOrder) {
    add("r", 2);
    const struct {
        std::string entry;
        double ans;
        std::string text;
    } cases[] = {
        {"var_r*3", 0, "2*3"},
        {"ANS*2", 5, "5*2"},
        {"ans", 5, "ans"},
        {"ANS", 1e15, "1*1000000000000000"},
        {"ANS*3", 1.0 / 3, "0.3333333333333*3"},
        {"log(2,8)", 0, "log(8)/log(2)"},
        {"log(2,8,5)", 0, "log(8)/log(2)"},
        {"log(2,8)+log(3,9)", 0, "log(8)/log(2)+log(9)/log(3)"},
        {"2e+003", 0, "2*1000"},
        {"2e+5", 0, "2*100000"},
        {"5e-003", 0, "5*0.001"},
        {"1e-000", 0, "1*0.1"},
        {"e+1", 0, "*10"},
        {"1e+0201", 0, "1*1" + std::string(20, '0') + "1"},
        {gbk("π"), 0, "3.141592653589793"},
        {"e", 0, "2.718281828459045"},
        {"exp(1)", 0, "2.718281828459045xp(1)"},
        {"\xC7"
         "e",
         0,
         "\xC7"
         "e"},  // an "e" that is a trail byte stays
    };
    for (const auto& c : cases) {
        const RewrittenEntry out = rewriteEntry(c.entry, store, c.ans);
        EXPECT_FALSE(out.malformedLog) << c.entry;
        EXPECT_EQ(out.text, c.text) << c.entry;
    }
}

TEST_F(EntryRewriting, MalformedLogarithmsSelectTheirOpening) {
    const struct {
        const char* entry;
        EntrySelection selection;
    } cases[] = {
        {"log(8)", {0, 4}}, {"2+log(2,8", {2, 4}}, {"log)", {0, 4}},
        {"log()", {0, 4}},  {"log(,8)", {7, 4}},   {"log(2,8)+log(3)", {14, 4}},
    };
    for (const auto& c : cases) {
        const RewrittenEntry out = rewriteEntry(c.entry, store, 0);
        ASSERT_TRUE(out.malformedLog) << c.entry;
        EXPECT_EQ(*out.malformedLog, c.selection) << c.entry;
    }
}

TEST_F(EntryRewriting, VariablesInSlotOrderSkippingTombstones) {
    add("a", 2);
    add("ab", 3);
    EXPECT_EQ(rewriteEntry("var_ab", store, 0).text, "2b");
    store.tombstone(1);
    EXPECT_EQ(rewriteEntry("var_ab+var_a", store, 0).text, "3+var_a");
}

TEST_F(EntryRewriting, LargeAnswersAndLongExpansions) {
    EXPECT_EQ(rewriteEntry("ANS", store, 1e300).text, "1*1" + std::string(300, '0'));
    std::string many;
    for (int i = 0; i < 100; ++i)
        many += "e+999";
    const Text out = rewriteEntry(many, store, 0).text;
    EXPECT_EQ(out.size(), 100u * 1001u);
}

}  // namespace
}  // namespace qalcor
