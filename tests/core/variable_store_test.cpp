#include "variables/variable_store.h"

#include <gtest/gtest.h>

#include <vector>

namespace qalcor {
namespace {

struct RecordingReporter {
    std::vector<int> codes;
    SlotFailureReporter reporter() {
        return [this](const SlotFailure& f) { codes.push_back(f.code); };
    }
};

TEST(VariableStore, SlotsGrowByOneAndTombstonesKeepTheirValues) {
    VariableStore store;
    EXPECT_EQ(store.count(), 0);
    const int a = store.appendSlot();
    store.recordAt(a)->name = "a";
    store.recordAt(a)->value = 1.5;
    const int b = store.appendSlot();
    store.recordAt(b)->name = "b";
    store.tombstone(a);
    EXPECT_EQ(store.count(), 2);
    EXPECT_FALSE(store.recordAt(1)->isLive());
    EXPECT_EQ(store.recordAt(1)->name, deletedMarker);
    EXPECT_EQ(store.recordAt(1)->value, 1.5);
    EXPECT_TRUE(store.recordAt(2)->isLive());
    EXPECT_EQ(store.appendSlot(), 3);
    EXPECT_EQ(store.recordAt(3)->value, 0.0);
    EXPECT_EQ(store.recordAt(3)->name, "");
}

TEST(VariableStore, SlotCheckReportsBelowOneFirstThenAboveCount) {
    RecordingReporter recorder;
    VariableStore store(recorder.reporter());
    store.appendSlot();
    EXPECT_EQ(store.recordAt(0), nullptr);
    EXPECT_EQ(store.recordAt(-5), nullptr);
    EXPECT_EQ(store.recordAt(2), nullptr);
    EXPECT_NE(store.recordAt(1), nullptr);
    store.tombstone(7);
    EXPECT_EQ(recorder.codes, (std::vector<int>{4, 4, 1, 1}));
    EXPECT_EQ(kSlotBelowOne.message.size(), 29u);
}

}  // namespace
}  // namespace qalcor
