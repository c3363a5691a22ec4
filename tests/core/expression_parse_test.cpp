#include "engine/expression_parse.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

#include "textnum/number_text.h"

namespace qalcor::engine {
namespace {

constexpr double kUnset = -12345.678;

struct Outcome {
    int ok;
    double value;
};

Outcome integrate(const std::string& text, SamplingMode mode = SamplingMode::CompileOnce) {
    double result = kUnset;
    const int ok = Integrate(text, 1.0, 0.0, 1e-13, result, mode);
    return {ok, result};
}

struct Case {
    const char* text;
    double value;
};

TEST(Integrate, ConstantsComeBackExactly) {
    const Case cases[] = {
        {"2(3)", 6},
        {"-3", -3},
        {"(-3)", -3},
        {"-2*3", -6},
        {"2-3-4", -5},
        {"2/3/4", 2.0 / 3 / 4},
        {"[1+2]*{3}", 9},
        {"()5", 5},
        {"9(3)", 27},
        {"10(3)", 30},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"1.2.3", 0.15},
        {"0.3", 0.30000000000000004},
        {"pow(2,(-1))", 0.5},
        {"(((1)))+(sin(2))", 1 + std::sin(2.0)},
        {"3sin(1)", 3 * std::sin(1.0)},
        {"1+2*3", 7},
        {"-2+3", 1},
        {"2*(-3)", -6},
        {"86.7", ParseNumber("86.7")},
        {"1516.63", ParseNumber("1516.63")},
        {"3.141592653589793", 3.141592653589793},
    };
    for (const Case& c : cases) {
        const Outcome out = integrate(c.text);
        EXPECT_EQ(out.ok, 1) << c.text;
        EXPECT_EQ(out.value, c.value) << c.text;
    }
}

TEST(Integrate, IntegratesOverTheUnitInterval) {
    EXPECT_EQ(integrate("x").value, 0.5);
    EXPECT_EQ(integrate("x*x").value, 0.3333333333333333);
    EXPECT_NEAR(integrate("sin(x)").value, 1 - std::cos(1.0), 1e-13);
    EXPECT_NEAR(integrate("exp(x)").value, std::exp(1.0) - 1, 1e-13);
    EXPECT_NEAR(integrate("1/(1+x*x)").value, std::atan(1.0), 1e-13);
}

TEST(Integrate, Rejections) {
    const char* rejected[] = {
        "",        "5+",        "+5",        "5()",    "(1,2)",    "sin(1,2)", "pow(2)",
        "mod(5)",  "2*-3",      "3--2",      " 1",     "1e5",      "pi",       "X",
        "sq(4,2)", "sin",       "((1)",      "(1]",    "1/0",      "1/x",      "x(2)",
        "2x",      "sin(1)(2)", "pow(2,-1)", "1\r\n",  "sin 1",    "sin1",     "SIN(1)",
        "sq(4)",   "acos(1.5)", "asin(-2)",  "cot(0)", "mod(5,0)", "ln(0)",    "ln(-1)",
        "log(0)",  "sqrt(-1)",  "1/(x-0.5)", "\x80",   "#",        "1#",
    };
    for (const char* text : rejected) {
        const Outcome out = integrate(text);
        EXPECT_EQ(out.ok, 0) << text;
        EXPECT_EQ(out.value, kUnset) << "a failed call leaves the result alone: " << text;
    }
}

TEST(Integrate, NaNAndInfinityFlowThrough) {
    const Outcome root = integrate("pow(-8,0.5)");
    EXPECT_EQ(root.ok, 1);
    EXPECT_TRUE(std::isnan(root.value));
    const Outcome huge = integrate("pow(10,400)");
    EXPECT_EQ(huge.ok, 1);
    EXPECT_EQ(numberToText(huge.value), "-1.#IND");  // infinity minus infinity
}

TEST(Integrate, TextsBeyondTheClassicLimitsAreEvaluated) {
    std::string ones = "1";
    for (int i = 0; i < 51; ++i)
        ones += "+1";  // 103 characters, 103 tokens
    EXPECT_EQ(integrate(ones).value, 52);
    std::string many = "1";
    for (int i = 0; i < 500; ++i)
        many += "+1";
    EXPECT_EQ(integrate(many).value, 501);
    EXPECT_EQ(integrate("100000000000000000000").value, 1e20);  // 21-digit literal
    // A value stack deep enough to leave room for fewer lanes than the first test's 17.
    std::string deepX;
    for (int i = 0; i < 70000; ++i)
        deepX += "1+(";
    deepX += "x" + std::string(70000, ')');
    EXPECT_DOUBLE_EQ(integrate(deepX).value, 70000.5);
    std::string commas;
    for (int i = 0; i < 70000; ++i)
        commas += "1,";
    EXPECT_EQ(integrate(commas + "x").ok, 0);
    std::string deep(200, '(');
    deep += "2" + std::string(200, ')');
    EXPECT_EQ(integrate(deep).value, 2);
    EXPECT_EQ(integrate("1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,"
                        "28,29,30,31,32,33,34,35,36,37,38,39,40,41,42,43,44,45,46,47,48,49,50,51")
                  .ok,
              0);
}

TEST(Integrate, ParseNumberIsTheLiteralAlgorithm) {
    EXPECT_EQ(ParseNumber(""), 0);
    EXPECT_EQ(ParseNumber("0.3"), 0.30000000000000004);
    EXPECT_EQ(ParseNumber("3.141592653589793"), 3.141592653589793);
    EXPECT_EQ(ParseNumber("1.2.3"), 0.15);
    // The last multiplication by ten may not overflow where the literal itself fits.
    // (Repeated multiplication by ten rounds beyond 1e22, so the last bits may differ.)
    EXPECT_DOUBLE_EQ(ParseNumber("1" + std::string(308, '0')), 1e308);
    EXPECT_DOUBLE_EQ(ParseNumber("1" + std::string(308, '0') + ".5"), 1e308);
    EXPECT_TRUE(std::isinf(ParseNumber("1" + std::string(309, '0'))));
    EXPECT_TRUE(std::isinf(ParseNumber("2" + std::string(308, '0'))));
}

// Plain summation left a last-place error in each level's sum that kept large constants
// and integrands from meeting the tolerance; they must now converge, constants exactly.
TEST(Integrate, LargeConstantsAndIntegrandsConverge) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 3000; ++i) {
        const double magnitude = std::pow(10.0, -10 + 22.0 * (random() % 1000) / 1000.0);
        const std::string literal = numberToText(magnitude);
        if (literal.find('e') != std::string::npos) continue;
        double literalValue = ParseNumber(literal);
        const Outcome constant = integrate(literal);
        ASSERT_EQ(constant.ok, 1) << literal;
        ASSERT_EQ(constant.value, literalValue) << literal;
        const Outcome line = integrate("x*1000+" + literal);
        ASSERT_EQ(line.ok, 1) << literal;
        ASSERT_NEAR(line.value, 500 + literalValue, std::fabs(500 + literalValue) * 1e-14)
            << literal;
        const Outcome square = integrate(literal + "*x*x");
        ASSERT_EQ(square.ok, 1) << literal;
        ASSERT_NEAR(square.value, literalValue / 3, literalValue / 3 * 1e-14) << literal;
    }
}

TEST(Integrate, UnconvergedIntegrandsFailAtTheLevelBound) {
    EXPECT_EQ(integrate("sqrt(x)").ok, 0);
    EXPECT_EQ(integrate("abs(x-0.3)").ok, 0);
    EXPECT_GE(rombergLevelBound(13), 16);
    EXPECT_EQ(rombergLevelBound(std::int64_t{1} << 40), 4);
    EXPECT_GE(rombergLevelBound(1), rombergLevelBound(1000));
}

// Compiling once and reading x at evaluation must give the very bits that compiling
// again at every sample gives.
TEST(Integrate, CompilingOnceIsBitIdentical) {
    const char* texts[] = {
        "x",
        "x*x",
        "sin(x)",
        "exp(x)*cos(3x)",
        "1/(1+x*x)",
        "86.7",
        "1516.63",
        "x*1000+1516.63",
        "pow(x,3)-2*x",
        "-x+floor(x*10)",
        "mod(x*7,2)",
        "pow(-8,0.5)",
        "pow(10,400)",
        "tanh(x)/cosh(x)",
        "acot(x)",
        "sqrt(x+1)",
        "ln(x+1)",
        "log(x+2)*asin(x)",
        "1,2",
        "2(x)",
        "(x-0.5)*(x-0.25)",
        "atan(x)*sinh(x)",
        "sqrt(x)",
        "1/x",
        "cot(x+1)",
        // constants, which take a shortcut when compiled once
        "0",
        "-0",
        "0.1",
        "3.3333",
        "2/3",
        "-1/3",
        ".000000000000000000001",
        "1/7*1/7*1/7*1/7*1/7*1/7*1/7*1/7",
        "99999999999999999999999999",
        "123456789.123456789",
        "-2.5*4096",
        "sqrt(2)",
        "ln(3)",
        "pow(2,1000)",
        "pow(2,1001)",
        "pow(2,-1074)",
        "pow(10,300)*5",
        "1-1",
    };
    for (const char* text : texts) {
        const Outcome once = integrate(text, SamplingMode::CompileOnce);
        const Outcome every = integrate(text, SamplingMode::CompileEverySample);
        EXPECT_EQ(once.ok, every.ok) << text;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(once.value),
                  std::bit_cast<std::uint64_t>(every.value))
            << text;
    }
}

TEST(Integrate, OtherIntervalsAndZeroBytes) {
    double r = 0;
    EXPECT_EQ(Integrate("x", 2.0, 0.0, 1e-13, r), 1);
    EXPECT_EQ(r, 2.0);
    EXPECT_EQ(Integrate(std::string("2\0+", 3), 1.0, 0.0, 1e-13, r), 1);
    EXPECT_EQ(r, 2.0);
    // Bounds whose panels stop advancing must still end.
    EXPECT_EQ(Integrate("x", 1e300, 1e300 - 1e285, 1e-13, r) >= 0, true);
    EXPECT_EQ(Integrate("1", std::nan(""), 0.0, 1e-13, r) >= 0, true);
}

}  // namespace
}  // namespace qalcor::engine
