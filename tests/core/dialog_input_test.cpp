#include "variables/dialog_input.h"

#include <gtest/gtest.h>

#include "gbk.h"

namespace qalcor {
namespace {

TEST(DialogInput, TypedCharacterFilters) {
    const struct {
        char32_t c;
        bool name, value;
    } cases[] = {
        {U'0', false, true}, {U'9', false, true},   {U'a', true, false},  {U'e', true, false},
        {U'+', true, false}, {U'-', true, true},    {U'.', true, true},   {U' ', true, false},
        {U'\b', true, true}, {U'\x16', true, true}, {U'半', true, false}, {U'１', true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nameBoxAcceptsTyped(c.c), c.name) << static_cast<unsigned>(c.c);
        EXPECT_EQ(valueBoxAcceptsTyped(c.c), c.value) << static_cast<unsigned>(c.c);
    }
}

TEST(DialogInput, ValueBoxNormalisation) {
    const struct {
        std::string text;
        const char* normal;
    } cases[] = {
        {"1.50", "1.5"},
        {"0", ""},
        {"-", ""},
        {"", ""},
        {"1.2.3", "1.2"},
        {"abc", ""},
        {"-3.5e2x", "-350"},
        {"007", "7"},
        {gbk("１２"), ""},  // no full-width folding here
        {"123456789012345678", "1.234567890123e+017"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normalisedValueText(c.text), c.normal) << c.text;
}

}  // namespace
}  // namespace qalcor
