#pragma once
// GBK bytes of a text written as UTF-8 in our own sources (captions, messages, key texts).
#include "platform/gbk_codec.h"
#include "textnum/text_operations.h"

namespace qalcor {

// Every literal we pass is encodable, so the empty fallback is never seen.
inline Text gbkLiteral(TextView utf8) {
    return utf8ToGbk(utf8).value_or(Text{});
}

}  // namespace qalcor
