// Whatever the user types or pastes ends in a value or "Error".
#include <gtest/gtest.h>

#include <string>

#include "app/evaluate_entry.h"
#include "hostile_inputs.h"
#include "textnum/number_text.h"

namespace qalcor {
namespace {

bool isValueOrError(const EntryEvaluation& out) {
    if (out.display == kErrorText) return !out.succeeded;
    return out.succeeded && !out.display.empty() && out.display.size() <= 20 &&
           out.display == numberToText(out.ans);
}

TEST(HostileInput, EveryEntryEndsInAValueOrError) {
    VariableStore store;
    for (const auto& [name, entry] : hostile::entries()) {
        const EntryEvaluation out = evaluateEntry(entry, store, 1.0);
        EXPECT_TRUE(isValueOrError(out)) << name << ": " << out.display;
    }
}

TEST(HostileInput, KnownOutcomes) {
    VariableStore store;
    const struct {
        const char* name;
        const char* display;
    } expected[] = {
        {"one_megabyte_sum", "524288"},
        {"one_megabyte_x", "262144"},
        {"nested_100k", "1"},
        {"nested_100k_open", "Error"},
        {"one_then_10k_zeros", "-1.#IND"},  // infinity minus infinity in the sums
        {"only_operators", "Error"},
        {"nul_inside", "Error"},
        {"crlf_inside", "Error"},
        {"many_logs", "30001"},
        {"log_without_comma_late", "Error"},
    };
    const auto entries = hostile::entries();
    for (const auto& c : expected) {
        for (const auto& [name, entry] : entries) {
            if (name == c.name) {
                EXPECT_EQ(evaluateEntry(entry, store, 1.0).display, c.display) << name;
            }
        }
    }
}

TEST(HostileInput, EverySingleByte) {
    VariableStore store;
    for (int b = 0; b < 256; ++b) {
        const std::string entry(1, static_cast<char>(b));
        const EntryEvaluation out = evaluateEntry(entry, store, 4.0);
        ASSERT_TRUE(isValueOrError(out)) << b;
        std::string expected = "Error";
        if (b >= '0' && b <= '9') expected = entry;
        if (b == 'x') expected = "0.5";
        if (b == 'e') expected = "2.718281828459";
        if (b == '.') expected = "0";
        EXPECT_EQ(out.display, expected) << b;
    }
}

TEST(HostileInput, HugeVariableValues) {
    VariableStore store;
    VariableRecord* a = store.recordAt(store.appendSlot());
    a->name = "a";
    a->value = 1e308;
    // The value's text 1e+308 is read back through a 309-digit literal.
    const EntryEvaluation square = evaluateEntry("var_a*var_a", store, 0);
    EXPECT_TRUE(isValueOrError(square));
    const EntryEvaluation minus = evaluateEntry("var_a-var_a", store, 0);
    EXPECT_TRUE(isValueOrError(minus));
    // A name pasted with digits and blanks is used as typed.
    VariableRecord* b = store.recordAt(store.appendSlot());
    b->name = "r 2";
    b->value = 3;
    EXPECT_EQ(evaluateEntry("var_r 2*2", store, 0).display, "6");
}

}  // namespace
}  // namespace qalcor
