#include "variables/variable_names.h"

#include "variables/variable_store.h"

namespace qalcor {

namespace {
char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}
}  // namespace

bool namesEqualIgnoringCase(TextView a, TextView b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(a[i]))) {
            if (a[i] != b[i]) return false;
            if (i + 1 < a.size() && a[i + 1] != b[i + 1]) return false;
            ++i;
        } else if (upperAscii(a[i]) != upperAscii(b[i])) {
            return false;
        }
    }
    return true;
}

int findName(std::span<const Text> names, TextView name) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (namesEqualIgnoringCase(names[i], name)) return static_cast<int>(i);
    }
    return -1;
}

NameProblem checkVariableName(TextView name, std::span<const Text> existingNames, int ownIndex) {
    if (compareText(name, "") == 0) return NameProblem::Empty;
    if (compareText(name, deletedMarker) == 0) return NameProblem::ReservedMarker;
    const int found = findName(existingNames, name);
    if (found != -1 && found != ownIndex) return NameProblem::Duplicate;
    return NameProblem::None;
}

TextView nameProblemMessage(NameProblem problem) {
    switch (problem) {
        case NameProblem::Empty:
            return "\xC3\xFB\xB3\xC6\xB2\xBB\xC4\xDC\xCE\xAA\xBF\xD5";  // 名称不能为空
        case NameProblem::ReservedMarker:
            return "\xC3\xFB\xB3\xC6\xCA\xE4\xC8\xEB\xB4\xED\xCE\xF3";  // 名称输入错误
        case NameProblem::Duplicate:
            return "\xC3\xFB\xB3\xC6\xB2\xBB\xC4\xDC\xD6\xD8\xB8\xB4";  // 名称不能重复
        case NameProblem::None:
            break;
    }
    return {};
}

}  // namespace qalcor
