#include "variables/variable_names.h"

#include <gtest/gtest.h>

#include <vector>

#include "gbk.h"
#include "variables/variable_store.h"

namespace qalcor {
namespace {

TEST(VariableNames, ChecksInOrder) {
    const std::vector<Text> rows = {"abc", "x", gbk("半径")};
    EXPECT_EQ(checkVariableName("", rows, -1), NameProblem::Empty);
    EXPECT_EQ(checkVariableName(deletedMarker, rows, -1), NameProblem::ReservedMarker);
    EXPECT_EQ(checkVariableName("X", rows, -1), NameProblem::Duplicate);
    EXPECT_EQ(checkVariableName("ABC", rows, 0), NameProblem::None);  // renaming its own row
    EXPECT_EQ(checkVariableName("ABC", rows, 1), NameProblem::Duplicate);
    EXPECT_EQ(checkVariableName(gbk("半径"), rows, -1), NameProblem::Duplicate);
    EXPECT_EQ(checkVariableName(gbk("x#已删除#"), rows, -1), NameProblem::None);
    EXPECT_EQ(checkVariableName("   ", rows, -1), NameProblem::None);
    EXPECT_EQ(gbkToUtf8(nameProblemMessage(NameProblem::Duplicate)), "名称不能重复");
    EXPECT_EQ(gbkToUtf8(nameProblemMessage(NameProblem::Empty)), "名称不能为空");
    EXPECT_EQ(gbkToUtf8(nameProblemMessage(NameProblem::ReservedMarker)), "名称输入错误");
    EXPECT_EQ(gbkToUtf8(deletedMarker), "#已删除#");
}

// Trail bytes that are ASCII letters belong to different characters when their case differs.
TEST(VariableNames, CaseFoldingSparesTrailBytes) {
    EXPECT_FALSE(
        namesEqualIgnoringCase("\xC7"
                               "a",
                               "\xC7"
                               "A"));
    EXPECT_TRUE(
        namesEqualIgnoringCase("\xC7"
                               "ax",
                               "\xC7"
                               "aX"));
    EXPECT_FALSE(namesEqualIgnoringCase("ab", "abc"));
}

}  // namespace
}  // namespace qalcor
