#pragma once
// The table of named values. Slots are numbered from 1, never move and are never
// reused; deleting a variable leaves a tombstone named `deletedMarker` in its slot.
#include <functional>
#include <string_view>
#include <vector>

#include "textnum/text_operations.h"

namespace qalcor {

// "#已删除#" in GBK.
inline constexpr TextView deletedMarker{"#\xD2\xD1\xC9\xBE\xB3\xFD#", 8};

struct VariableRecord {
    Text name;  // empty only between the creation of a slot and the end of its add
    double value = 0.0;

    bool isLive() const { return compareText(name, deletedMarker) != 0; }
};

// A slot outside 1 ... count: code 4 below 1, code 1 above the count.
struct SlotFailure {
    int code;
    TextView message;  // GBK
};
inline constexpr SlotFailure kSlotBelowOne{
    4,
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB1\xD8\xD0\xEB\xB4\xF3\xD3"
    "\xDA\xB5\xC8\xD3\xDA"
    "1"};
inline constexpr SlotFailure kSlotAboveCount{
    1,
    "\xCA\xFD\xD7\xE9\xB3\xC9\xD4\xB1\xD2\xFD\xD3\xC3\xCF\xC2\xB1\xEA\xB3\xAC\xB3\xF6\xB6\xA8\xD2"
    "\xE5\xB7\xB6\xCE\xA7"};

// Called when a slot check fails. The program's reporter shows the failure and ends the
// process; a reporter that returns makes the access yield nothing.
using SlotFailureReporter = std::function<void(const SlotFailure&)>;

class VariableStore {
  public:
    explicit VariableStore(SlotFailureReporter reporter = {}) : reporter_(std::move(reporter)) {}

    int count() const { return static_cast<int>(records_.size()); }
    // The record at `slot`, or nullptr after the reporter returned from a failed check.
    VariableRecord* recordAt(int slot);
    const VariableRecord* recordAt(int slot) const;
    // Appends a slot holding an unnamed record of value 0; returns the new slot number.
    int appendSlot();
    // Turns the record into a tombstone; its value stays.
    void tombstone(int slot);

  private:
    const SlotFailure* checkSlot(int slot) const;
    std::vector<VariableRecord> records_;
    SlotFailureReporter reporter_;
};

}  // namespace qalcor
