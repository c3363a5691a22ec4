#include "textnum/text_operations.h"

#include <algorithm>
#include <cstddef>

namespace qalcor {

namespace {

char foldAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

bool bytesMatch(TextView text, std::size_t at, TextView sought, bool ignoreCase) {
    if (!ignoreCase) return text.compare(at, sought.size(), sought) == 0;
    for (std::size_t i = 0; i < sought.size(); ++i) {
        if (foldAsciiLetter(text[at + i]) != foldAsciiLetter(sought[i])) return false;
    }
    return true;
}

// Width of the character that starts at `at`: two bytes after a lead byte.
std::size_t characterWidth(TextView text, std::size_t at) {
    return isLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
}

}  // namespace

int textLength(TextView text) {
    return static_cast<int>(text.size());
}

Text textMid(TextView text, int start, int length) {
    const long long n = static_cast<long long>(text.size());
    if (start < 1 || start > n || length <= 0) return {};
    const long long available = n - start + 1;
    return Text(text.substr(static_cast<std::size_t>(start - 1),
                            static_cast<std::size_t>(std::min<long long>(length, available))));
}

int findText(TextView text, TextView sought, int start, bool ignoreCase) {
    const std::size_t n = text.size();
    const std::size_t m = sought.size();
    const std::size_t s = start - 1 < 0 ? 0 : static_cast<std::size_t>(start - 1);
    if (m == 0) return s < n ? 1 : -1;
    std::size_t at = s;
    while (at < n && n - at >= m) {
        if (bytesMatch(text, at, sought, ignoreCase)) return static_cast<int>(at + 1);
        at += characterWidth(text, at);
    }
    return -1;
}

Text replaceTextAt(TextView text, int start, int length, TextView replacement) {
    const long long n = static_cast<long long>(text.size());
    const long long place = std::clamp<long long>(static_cast<long long>(start) - 1, 0, n);
    const long long deleted = length <= 0 ? 0 : std::min<long long>(length, n - place);
    Text result;
    result.reserve(static_cast<std::size_t>(n - deleted) + replacement.size());
    result.append(text.substr(0, static_cast<std::size_t>(place)));
    result.append(replacement);
    result.append(text.substr(static_cast<std::size_t>(place + deleted)));
    return result;
}

Text replaceSubtext(TextView text, TextView sought, TextView replacement, bool caseSensitive) {
    const std::size_t n = text.size();
    const std::size_t m = sought.size();
    if (n == 0 || m == 0) return Text(text);
    Text result;
    result.reserve(n);
    std::size_t at = 0;
    while (at < n && n - at >= m) {
        if (bytesMatch(text, at, sought, !caseSensitive)) {
            result.append(replacement);
            at += m;
            continue;
        }
        const std::size_t width = characterWidth(text, at);
        // A lone lead byte at the very end is dropped.
        if (at + width > n) return result;
        result.append(text.substr(at, width));
        at += width;
    }
    result.append(text.substr(std::min(at, n)));
    return result;
}

TextArray splitText(TextView text, TextView separator) {
    const std::size_t n = text.size();
    const std::size_t m = separator.size();
    TextArray parts;
    if (n == 0) return parts;
    if (m == 0) {
        parts.emplace_back(text);
        return parts;
    }
    std::size_t piece = 0;
    std::size_t at = 0;
    while (at < n && n - at >= m) {
        if (text.compare(at, m, separator) == 0) {
            parts.emplace_back(text.substr(piece, at - piece));
            at += m;
            piece = at;
            continue;
        }
        const std::size_t width = characterWidth(text, at);
        if (at + width > n) break;
        at += width;
    }
    if (piece < n) parts.emplace_back(text.substr(piece));
    return parts;
}

Text repeatText(int count, TextView text) {
    Text result;
    if (count <= 0 || text.empty()) return result;
    if (text.size() == 1) return Text(static_cast<std::size_t>(count), text[0]);
    result.reserve(static_cast<std::size_t>(count) * text.size());
    for (int i = 0; i < count; ++i)
        result.append(text);
    return result;
}

Text joinText(std::initializer_list<TextView> texts) {
    std::size_t total = 0;
    for (TextView t : texts)
        total += t.size();
    Text result;
    result.reserve(total);
    for (TextView t : texts)
        result.append(t);
    return result;
}

int compareText(TextView a, TextView b) {
    // string_view compares as unsigned bytes through char_traits<char>::compare (memcmp).
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace qalcor
