// The text operations against slow models that walk the text one character at a time.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "textnum/text_operations.h"

namespace {

using qalcor::Text;

// Byte offsets where a character scan from `from` stops.
std::vector<std::size_t> stops(const Text& t, std::size_t from) {
    std::vector<std::size_t> out;
    for (std::size_t i = from; i < t.size();
         i += (static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1)) {
        out.push_back(i);
    }
    return out;
}

int findModel(const Text& t, const Text& s, int start) {
    const std::size_t from = start - 1 < 0 ? 0 : static_cast<std::size_t>(start - 1);
    if (s.empty()) return from < t.size() ? 1 : -1;
    for (std::size_t i : stops(t, from)) {
        if (t.size() - i >= s.size() && t.compare(i, s.size(), s) == 0)
            return static_cast<int>(i + 1);
    }
    return -1;
}

Text replaceModel(const Text& t, const Text& s, const Text& r) {
    if (t.empty() || s.empty()) return t;
    Text out;
    std::size_t i = 0;
    while (i < t.size()) {
        if (t.size() - i < s.size()) return out + t.substr(i);
        if (t.compare(i, s.size(), s) == 0) {
            out += r;
            i += s.size();
            continue;
        }
        const std::size_t w = static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1;
        if (i + w > t.size()) return out;
        out += t.substr(i, w);
        i += w;
    }
    return out;
}

std::vector<Text> splitModel(const Text& t, const Text& sep) {
    std::vector<Text> out;
    if (t.empty()) return out;
    if (sep.empty()) return {t};
    std::size_t piece = 0, i = 0;
    while (i < t.size() && t.size() - i >= sep.size()) {
        if (t.compare(i, sep.size(), sep) == 0) {
            out.push_back(t.substr(piece, i - piece));
            i += sep.size();
            piece = i;
            continue;
        }
        const std::size_t w = static_cast<unsigned char>(t[i]) >= 0x80 ? 2 : 1;
        if (i + w > t.size()) break;
        i += w;
    }
    if (piece < t.size()) out.push_back(t.substr(piece));
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // Layout: start byte, sought length, replacement length, then text bytes.
    const int start = static_cast<signed char>(data[0]);
    const std::size_t soughtLength = data[1] % 4;
    const std::size_t replacementLength = data[2] % 4;
    Text rest(reinterpret_cast<const char*>(data + 3), size - 3);
    if (rest.size() < soughtLength + replacementLength) return 0;
    const Text sought = rest.substr(0, soughtLength);
    const Text replacement = rest.substr(soughtLength, replacementLength);
    const Text text = rest.substr(soughtLength + replacementLength);

    if (qalcor::findText(text, sought, start, false) != findModel(text, sought, start))
        __builtin_trap();
    if (qalcor::replaceSubtext(text, sought, replacement, true) !=
        replaceModel(text, sought, replacement))
        __builtin_trap();
    if (qalcor::splitText(text, sought) != splitModel(text, sought)) __builtin_trap();
    const Text mid = qalcor::textMid(text, start, static_cast<int>(soughtLength) * 3 - 2);
    if (mid.size() > text.size()) __builtin_trap();
    const Text replaced =
        qalcor::replaceTextAt(text, start, static_cast<int>(soughtLength) - 1, replacement);
    if (replaced.size() > text.size() + replacement.size()) __builtin_trap();
    return 0;
}
