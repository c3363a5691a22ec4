#include "eval_session.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qalcor {
namespace {

TEST(EvalSession, CarriesTheAnswerAndReadsVariables) {
    const ParsedArguments parsed = parseEvalArguments({"--var", "r=2", "--var=半径=１.5"});
    ASSERT_EQ(parsed.error, "");
    EvalSession session;
    ASSERT_EQ(session.addVariables(parsed.options), "");
    std::istringstream in("1+2\r\nANS*2\nvar_r*var_半径\n😀\n\xFF\n1+\nπ\n");
    std::ostringstream out;
    session.run(in, out);
    EXPECT_EQ(out.str(), "3\n6\n3\nError\nError\nError\n3.14159265359\n");
}

TEST(EvalSession, RejectsBadArgumentsAndNames) {
    EXPECT_NE(parseEvalArguments({"--var"}).error, "");
    EXPECT_NE(parseEvalArguments({"--var", "novalue"}).error, "");
    EXPECT_NE(parseEvalArguments({"--frobnicate"}).error, "");
    EXPECT_TRUE(parseEvalArguments({"--help"}).options.help);
    const struct {
        std::vector<std::string> args;
    } bad[] = {{{"--var", "=1"}}, {{"--var", "#已删除#=1"}}, {{"--var", "a=1", "--var", "A=2"}}};
    for (const auto& c : bad) {
        EvalSession session;
        EXPECT_NE(session.addVariables(parseEvalArguments(c.args).options), "");
    }
}

}  // namespace
}  // namespace qalcor
