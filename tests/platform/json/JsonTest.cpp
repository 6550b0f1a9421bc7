#include <gtest/gtest.h>

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
}

}  // namespace
