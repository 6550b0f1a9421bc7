#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/json/Json.h"

namespace {

TEST(Json, DumpsNestedValuesOnOneLineInInsertionOrder) {
    json::Value v(json::Value::Object{
        {"t", 1000}, {"ev", "items"}, {"value", json::Value::Array{"$1000", true, nullptr}}});
    EXPECT_EQ(v.Dump(), R"({"t":1000,"ev":"items","value":["$1000",true,null]})");
}

TEST(Json, EscapesQuotesBackslashesAndControlCharacters) {
    json::Value v("a\"b\\c\r\n\x01");
    EXPECT_EQ(v.Dump(), R"("a\"b\\c\r\n\u0001")");
}

TEST(Json, PassesUtf8Through) {
    EXPECT_EQ(json::Value("caf\xc3\xa9").Dump(), "\"caf\xc3\xa9\"");
    // The longest and the highest sequences, and a character just below the surrogates.
    EXPECT_EQ(json::Value("\xf0\x9f\x82\xa1\xf4\x8f\xbf\xbf\xed\x9f\xbf").Dump(),
              "\"\xf0\x9f\x82\xa1\xf4\x8f\xbf\xbf\xed\x9f\xbf\"");
}

// Text that is not UTF-8 (an 8-bit setting, a script with stray bytes) still makes valid JSON:
// each broken sequence becomes one U+FFFD, and the characters around it survive.
TEST(Json, ReplacesBytesThatAreNotUtf8) {
    const std::string kReplacement = "\xef\xbf\xbd";
    const std::pair<std::string, std::string> cases[] = {
        {"caf\xe9", "caf" + kReplacement},          // Latin-1
        {"\xff\xfe", kReplacement + kReplacement},  // never in UTF-8
        {"\x80"
         "a",
         kReplacement + "a"},    // lone continuation
        {"\xc3", kReplacement},  // cut at the end
        {"\xe2\x82"
         "a",
         kReplacement + "a"},                                          // cut in the middle
        {"\xc0\xaf", kReplacement + kReplacement},                     // overlong "/"
        {"\xe0\x80\xaf", kReplacement + kReplacement + kReplacement},  // overlong, 3 bytes
        {"\xed\xa0\x80", kReplacement + kReplacement + kReplacement},  // a surrogate
        {"\xf4\x90\x80\x80", kReplacement + kReplacement + kReplacement + kReplacement},
        {"\xf0\x9f\x82", kReplacement},  // 4-byte, cut short
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(json::Value(text).Dump(), "\"" + expected + "\"") << text;
    }
}

}  // namespace
