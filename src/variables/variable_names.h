#pragma once
// The rules that a variable's name must follow when it is added or renamed.
#include <span>

#include "textnum/text_operations.h"

namespace qalcor {

enum class NameProblem { None, Empty, ReservedMarker, Duplicate };

// Equal except for the case of ASCII letters; the trail bytes of double-byte characters
// are compared exactly, so two different characters never match.
bool namesEqualIgnoringCase(TextView a, TextView b);

// Index of the first name equal to `name` ignoring letter case, or -1.
int findName(std::span<const Text> names, TextView name);

// Checks in order: empty, the deleted-variable marker, a duplicate other than `ownIndex`
// (the row being renamed, or -1 when adding).
NameProblem checkVariableName(TextView name, std::span<const Text> existingNames, int ownIndex);

// The warning shown for a problem, in GBK.
TextView nameProblemMessage(NameProblem problem);

}  // namespace qalcor
