#include <gtest/gtest.h>

#include <cmath>

#include "engine/expression_parse.h"
#include "engine/function_table.h"

namespace qalcor::engine {
namespace {

double valueOf(const char* text) {
    double result = std::nan("");
    EXPECT_EQ(Integrate(text, 1.0, 0.0, 1e-13, result), 1) << text;
    return result;
}

TEST(Functions, Values) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"abs(-2)", 2},
        {"floor(-2.5)", -3},
        {"sqrt(0)", 0},
        {"ln(1)", 0},
        {"exp(0)", 1},
        {"cos(0)", 1},
        {"sin(0)", 0},
        {"atan(0)", 0},
        {"cosh(0)", 1},
        {"sinh(0)", 0},
        {"tanh(0)", 0},
        {"acos(1)", 0},
        {"pow(2,3)", 8},
        {"mod(7,3)", 1},
        {"acot(0)", 1.5707963},
        {"acot(1)", 0.7853981366025518},
        {"acos(-1)", M_PI},
        {"mod(7.5,2)", 1.5},
        {"mod(-7,3)", -1},
        {"mod(7,(-3))", 1},
        {"sinh(1)", std::sinh(1.0)},
        {"cosh(1)", std::cosh(1.0)},
        {"tanh(1)", std::tanh(1.0)},
        {"cot(1)", 1 / std::tan(1.0)},
        {"sin[1]", std::sin(1.0)},
        {"sin{1}", std::sin(1.0)},
        {"log(1000)", 3},
        {"sqrt(16)", 4},
        {"asin(1)", M_PI / 2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(valueOf(c.text), c.value) << c.text;
}

TEST(Functions, DomainChecksGiveTheirStatus) {
    const struct {
        int code;
        double a, b;
        int status;
    } cases[] = {
        {2, 1.5, 0, 2},  {3, -2, 0, 3},   {8, 0, 0, 4},   {11, 5, 0, 5},
        {11, 5, NAN, 5}, {12, 0, 0, 6},   {12, -1, 0, 6}, {13, 0, 0, 7},
        {17, -1, 0, 8},  {12, NAN, 0, 6}, {2, NAN, 0, 0},  // acos lets a NaN through
        {2, -1, 0, 0},   {3, 1, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(applyFunction(c.code, c.a, c.b).status, c.status) << c.code << " " << c.a;
    }
}

TEST(Functions, NamesAreFoundInFull) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"sinh(1)", std::sinh(1.0)}, {"cosh(1)", std::cosh(1.0)}, {"tanh(1)", std::tanh(1.0)}};
    for (const auto& c : cases)
        EXPECT_EQ(valueOf(c.text), c.value);
    EXPECT_EQ(functionsStartingWith('x').size(), 0u);
    EXPECT_EQ(functionsStartingWith('a').size(), 5u);
    EXPECT_STREQ(functionsStartingWith('c')[0].name, "cosh");
}

}  // namespace
}  // namespace qalcor::engine
