// The whole live evaluation on arbitrary bytes (invalid GBK, zero bytes, lone lead bytes)
// with a few variables in the store: every text ends in a number text or "Error".
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/evaluate_entry.h"
#include "number_model.h"

namespace {
qalcor::VariableStore makeStore() {
    qalcor::VariableStore store;
    const std::pair<const char*, double> vars[] = {{"a", 2.0}, {"ab", 1e308}, {"r", -0.5}};
    for (const auto& [name, value] : vars) {
        qalcor::VariableRecord* r = store.recordAt(store.appendSlot());
        r->name = name;
        r->value = value;
    }
    store.tombstone(2);
    return store;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const qalcor::VariableStore store = makeStore();
    const std::string_view entry(reinterpret_cast<const char*>(data), size);
    const qalcor::EntryEvaluation out = qalcor::evaluateEntry(entry, store, 1.5);
    if (out.display == qalcor::kErrorText) {
        if (out.succeeded) __builtin_trap();
    } else if (!out.succeeded || out.display.size() > 20 || out.display.empty()) {
        __builtin_trap();
    }
    if (out.selection && (out.selection->start < 0 || out.selection->length != 4)) __builtin_trap();
    return 0;
}
