#include "platform/gbk_codec.h"

#include <gtest/gtest.h>

namespace qalcor {
namespace {

TEST(GbkCodec, RoundTripsAndRejects) {
    EXPECT_EQ(utf8ToGbk("π").value(), "\xA6\xD0");
    EXPECT_EQ(utf8ToGbk("１").value(), "\xA3\xB1");
    EXPECT_EQ(gbkToUtf8("\xA6\xD0"
                        "1"),
              "π1");
    EXPECT_EQ(utf8ToGbk("").value(), "");
    EXPECT_FALSE(utf8ToGbk("\xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(utf8ToGbk("\xFF"));              // not UTF-8
    EXPECT_EQ(gbkToUtf8("a\xFF"
                        "b"),
              "a\xEF\xBF\xBD"
              "b");
}

}  // namespace
}  // namespace qalcor
