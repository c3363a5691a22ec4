#pragma once
// The fixed table of entry texts that every benchmark runs over.
#include <string>
#include <vector>

namespace qalcor::bench {

struct BenchEntry {
    std::string name;
    std::string entry;     // as typed into the calculator (GBK)
    std::string muparser;  // the nearest muparser expression, empty when there is none
    bool usesX;
    // Whether both engines do the same work: ours converges at its first test, after
    // the same 17 samples that muparser evaluates.
    bool sameJob = true;
};

const std::vector<BenchEntry>& benchEntries();
// Entries of up to 10,000 characters chosen to be as slow as possible.
const std::vector<BenchEntry>& worstCaseEntries();

}  // namespace qalcor::bench
