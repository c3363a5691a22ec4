#include "variables/variable_store.h"

#include <utility>

namespace qalcor {

const SlotFailure* VariableStore::checkSlot(int slot) const {
    if (static_cast<long long>(slot) - 1 < 0) return &kSlotBelowOne;
    if (static_cast<long long>(slot) - 1 >= count()) return &kSlotAboveCount;
    return nullptr;
}

const VariableRecord* VariableStore::recordAt(int slot) const {
    if (const SlotFailure* failure = checkSlot(slot)) {
        if (reporter_) reporter_(*failure);
        return nullptr;
    }
    return &records_[static_cast<std::size_t>(slot - 1)];
}

VariableRecord* VariableStore::recordAt(int slot) {
    return const_cast<VariableRecord*>(std::as_const(*this).recordAt(slot));
}

int VariableStore::appendSlot() {
    records_.emplace_back();
    return count();
}

void VariableStore::tombstone(int slot) {
    if (VariableRecord* record = recordAt(slot)) record->name.assign(deletedMarker);
}

}  // namespace qalcor
