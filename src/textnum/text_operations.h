#pragma once
// Byte-string operations on GBK texts. Positions count bytes from 1; a
// double-byte character counts 2. Searches step over double-byte characters,
// so a match never begins on a trail byte that happens to equal ASCII.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qalcor {

using Text = std::string;
using TextView = std::string_view;
using TextArray = std::vector<Text>;

// Bytes of 128 and up lead a double-byte character.
constexpr bool isLeadByte(unsigned char byte) {
    return byte >= 0x80;
}

int textLength(TextView text);
Text textMid(TextView text, int start, int length);
int findText(TextView text, TextView sought, int start, bool ignoreCase);
Text replaceTextAt(TextView text, int start, int length, TextView replacement);
Text replaceSubtext(TextView text, TextView sought, TextView replacement, bool caseSensitive);
TextArray splitText(TextView text, TextView separator);
Text repeatText(int count, TextView text);
Text joinText(std::initializer_list<TextView> texts);
int compareText(TextView a, TextView b);

}  // namespace qalcor
