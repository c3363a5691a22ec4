#pragma once
// Conversion between UTF-8 and the GBK code page (936) that the calculator's texts use.
#include <optional>
#include <string>
#include <string_view>

namespace qalcor {

// nullopt when the input is not valid UTF-8 or holds a character GBK cannot encode.
std::optional<std::string> utf8ToGbk(std::string_view utf8);
// Bytes that are not valid GBK become U+FFFD.
std::string gbkToUtf8(std::string_view gbk);

}  // namespace qalcor
