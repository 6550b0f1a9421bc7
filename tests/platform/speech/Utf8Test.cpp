#include <gtest/gtest.h>

#include "platform/speech/Utf8.h"

namespace {

TEST(Utf8, ValidTextPassesUnchanged) {
    EXPECT_EQ(speech::ToUtf8("Queen of Hearts"), "Queen of Hearts");
    EXPECT_EQ(speech::ToUtf8("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x82\xa1"),
              "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x82\xa1");
}

TEST(Utf8, EightBitTextIsReadAsLatin1) {
    EXPECT_EQ(speech::ToUtf8("caf\xe9"), "caf\xc3\xa9");
    EXPECT_EQ(speech::ToUtf8("\xc3"), "\xc3\x83");                          // cut-off sequence
    EXPECT_EQ(speech::ToUtf8("\xc0\xaf"), "\xc3\x80\xc2\xaf");              // overlong form
    EXPECT_EQ(speech::ToUtf8("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xc2\x80");  // surrogate
}

}  // namespace
