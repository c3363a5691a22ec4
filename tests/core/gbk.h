#pragma once
// Test helper: GBK bytes of a UTF-8 literal, so tests can be written in readable Chinese.
#include <string>
#include <string_view>

#include "platform/gbk_codec.h"

inline std::string gbk(std::string_view utf8) {
    return qalcor::utf8ToGbk(utf8).value();
}
