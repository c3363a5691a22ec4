#pragma once
// Counts heap allocations made through operator new, to measure allocations per evaluation.
#include <cstdint>

namespace qalcor::bench {
std::uint64_t allocationCount();
}
