#include "textnum/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "gbk.h"
#include "number_model.h"

namespace qalcor {
namespace {

TEST(NumberToText, WorkedExamples) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {5, "5"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.3333333333333"},
        {2.0 / 3, "0.6666666666667"},
        {3.141592653589793, "3.14159265359"},
        {1234567890123, "1234567890123"},
        {1234567890122.5, "1234567890123"},
        {-1234567890122.5, "-1234567890123"},
        {9999999999999, "9999999999999"},
        {9999999999999.5, "1e+013"},
        {1e13, "1e+013"},
        {123456789012345678.0, "1.234567890123e+017"},
        {1e15, "1e+015"},
        {1e16, "1e+016"},
        {1e20, "1e+020"},
        {0.0001, "0.0001"},
        {0.00012345678901234, "0.0001234567890123"},
        {1e-5, "1e-005"},
        {1.5e-5, "1.5e-005"},
        {-1e-7, "-1e-007"},
        {1e-300, "1e-300"},
        {5e-324, "4.940656458412e-324"},
        {1.7976931348623157e308, "1.797693134862e+308"},
        {-1.234567890123e-308, "-1.234567890123e-308"},
        {100, "100"},
        {0.5, "0.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberToText(c.value), c.text) << c.text;
}

TEST(NumberToText, SpecialValuesByBitPattern) {
    const double inf = std::numeric_limits<double>::infinity();
    const double zero = 0.0;
    EXPECT_EQ(numberToText(inf), "1.#INF");
    EXPECT_EQ(numberToText(-inf), "-1.#INF");
    EXPECT_EQ(numberToText(zero / zero), "-1.#IND");  // x86's default NaN
    EXPECT_EQ(numberToText(inf - inf), "-1.#IND");
    EXPECT_EQ(numberToText(std::bit_cast<double>(0x7FF8000000000000ull)), "1.#QNAN");
    EXPECT_EQ(numberToText(std::bit_cast<double>(0xFFF8000000000001ull)), "-1.#QNAN");
    EXPECT_EQ(numberToText(std::bit_cast<double>(0x7FF0000000000001ull)), "1.#SNAN");
    EXPECT_EQ(numberToText(std::bit_cast<double>(0xFFF4000000000000ull)), "-1.#SNAN");
}

// 17 digits rounded half up, then 13 from those: ...4999|7 rounds up where a single
// rounding of the exact value would round down.
TEST(NumberToText, TwoStepRounding) {
    const double v = 3.4518211300245e-20;  // exactly 3.45182113002449997648...e-20
    EXPECT_EQ(numberToText(v), "3.451821130025e-020");
    EXPECT_EQ(numberToText(-v), "-3.451821130025e-020");
}

TEST(NumberToText, EveryFiniteDoubleReadsBackRoundedToThirteenDigits) {
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 200000; ++i) {
        double v = std::bit_cast<double>(random());
        if (i % 4 == 0) v = std::ldexp(static_cast<double>(random() >> 11), -int(random() % 120));
        if (!std::isfinite(v)) continue;
        const Text text = numberToText(v);
        ASSERT_LE(text.size(), 20u) << text;
        ASSERT_TRUE(model::matchesDisplayGrammar(text)) << text;
        ASSERT_EQ(textToNumber(text), v == 0 ? 0.0 : model::roundedToThirteenDigits(v)) << text;
    }
}

TEST(TextToNumber, Prefixes) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"  -3.5e2x", -350},
        {"2e", 2},
        {"2e+", 2},
        {"1d3", 1000},
        {"1D-1", 0.1},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"- 5", 0},
        {"+5", 5},
        {"1,5", 1},
        {"1.#INF", 1},
        {"-1.#IND", -1},
        {"1.2.3", 1.2},
        {"\t\r\n 7", 7},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"1e99999999999", inf},
        {"1e-99999999999", 0},
        {"4.9406564584124654e-324", 5e-324},
        {"2.4703282292062328e-324", 5e-324},
        {"2.4703282292062327e-324", 0},
        {"0.000000000000000000000000000000000000001234", 1.234e-39},
        // Only 24 significant digits count; the rest are cut, not rounded.
        {"1.000000000000000000000009999", 1.000000000000000000000009},
        {"123456789012345678901234999", 123456789012345678901234000.0},
        {"1e+308", 1e308},
        {"1.797693134862e+308", 1.797693134862e308},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textToNumber(c.text), c.value) << c.text;
}

TEST(TextToNumber, FoldsFullWidthForms) {
    EXPECT_EQ(textToNumber(gbk("１２．５")), 12.5);
    EXPECT_EQ(textToNumber(gbk("－３ｅ２")), -300);
    EXPECT_EQ(textToNumber(gbk("　７")), 7);  // ideographic space
    EXPECT_EQ(textToNumber("5\xA3"), 5);      // lone lead byte at the end
    EXPECT_EQ(parseDecimalPrefix(gbk("１２")), 0);
}

// Random texts of digits, points, signs, exponents and full-width forms against strtod.
TEST(TextToNumber, AgreesWithTheCLibraryModel) {
    const char* pieces[] = {"1",        "2",        "9",        "0", "00", ".",  "-",
                            "+",        "e",        "E",        "d", " ",  "5",  "7",
                            "\xA3\xB1", "\xA3\xAE", "\xA1\xA1", "x", "30", "e-", "e+3"};
    std::mt19937 random(11);
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        const int n = 1 + static_cast<int>(random() % 12);
        for (int k = 0; k < n; ++k)
            text += pieces[random() % std::size(pieces)];
        const auto expected = model::textToNumberModel(text);
        if (expected) {
            ASSERT_EQ(textToNumber(text), *expected) << text;
        }
        ASSERT_EQ(textToInt(text), model::textToIntModel(text)) << text;
    }
}

TEST(TextToInt, WrapsLikeA32BitRegister) {
    const struct {
        std::string text;
        int value;
    } cases[] = {
        {"020", 20},
        {"005", 5},
        {" +7", 7},
        {"-12x", -12},
        {"12.9", 12},
        {"1e3", 1},
        {"x5", 0},
        {"", 0},
        {gbk("５"), 5},
        {"4294967297", 1},
        {"2147483648", -2147483647 - 1},
        {"-", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textToInt(c.text), c.value) << c.text;
}

TEST(TruncateToInt, TowardZeroAndSaturating) {
    EXPECT_EQ(truncateToInt(2.9), 2);
    EXPECT_EQ(truncateToInt(-2.9), -2);
    EXPECT_EQ(truncateToInt(1e20), 2147483647);
    EXPECT_EQ(truncateToInt(-1e20), -2147483647 - 1);
    EXPECT_EQ(truncateToInt(std::nan("")), 0);
}

}  // namespace
}  // namespace qalcor
