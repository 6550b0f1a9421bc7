#include <gtest/gtest.h>

#include <sstream>

#include "platform/ui/headless/KeyNames.h"
#include "platform/ui/headless/ScriptReader.h"

namespace ui {
namespace {

using Words = std::vector<std::string>;

TEST(TokenizeScriptLine, SplitsWordsAndDropsComments) {
    EXPECT_EQ(TokenizeScriptLine("  key  Tab\tDown  # move on"), (Words{"key", "Tab", "Down"}));
    EXPECT_EQ(TokenizeScriptLine("# only a comment"), Words{});
    EXPECT_EQ(TokenizeScriptLine(""), Words{});
    EXPECT_EQ(TokenizeScriptLine("dump#no space needed"), Words{"dump"});
    EXPECT_EQ(TokenizeScriptLine("wait 10\r"), (Words{"wait", "10"}));
}

TEST(TokenizeScriptLine, QuotedStringsKeepSpacesHashesAndEscapes) {
    EXPECT_EQ(TokenizeScriptLine(R"(setting Ventrelle StartUp Reader " WE # x")"),
              (Words{"setting", "Ventrelle", "StartUp", "Reader", " WE # x"}));
    EXPECT_EQ(TokenizeScriptLine(R"(say "a\"b\\c\r\nd" "")"), (Words{"say", "a\"b\\c\r\nd", ""}));
}

TEST(TokenizeScriptLine, RejectsMalformedStrings) {
    EXPECT_THROW(TokenizeScriptLine(R"(say "open)"), ScriptError);
    EXPECT_THROW(TokenizeScriptLine(R"(say "ends in backslash\)"), ScriptError);
    EXPECT_THROW(TokenizeScriptLine(R"(say "bad \t escape")"), ScriptError);
    EXPECT_THROW(TokenizeScriptLine(R"(say "a"b)"), ScriptError);
    EXPECT_THROW(TokenizeScriptLine(R"(say a"b")"), ScriptError);
}

TEST(ScriptReader, SkipsBlankLinesAndCountsLines) {
    std::istringstream in("\n# start here\nstart\n\nwait 5\n");
    ScriptReader reader(in);
    auto first = reader.Next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->number, 3);
    EXPECT_EQ(first->words, Words{"start"});
    auto second = reader.Next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->number, 5);
    EXPECT_FALSE(reader.Next());
}

TEST(ScriptReader, NamesTheLineOfABadString) {
    std::istringstream in("start\nsay \"open\n");
    ScriptReader reader(in);
    reader.Next();
    try {
        reader.Next();
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "line 2: unterminated string");
    }
}

TEST(ParseKeyName, NamesLettersAndCodes) {
    EXPECT_EQ(ParseKeyName("Enter")->code, vk::Return);
    EXPECT_EQ(ParseKeyName("pagedown")->code, vk::PageDown);
    EXPECT_EQ(ParseKeyName("F2")->code, vk::F2);
    EXPECT_EQ(ParseKeyName("h")->code, 'H');
    EXPECT_EQ(ParseKeyName("H")->code, 'H');
    EXPECT_EQ(ParseKeyName("113")->code, vk::F2);
    EXPECT_EQ(ParseKeyName("Tab")->modifiers, Modifiers::None);
    EXPECT_FALSE(ParseKeyName("Banana"));
    EXPECT_FALSE(ParseKeyName("0"));
    EXPECT_FALSE(ParseKeyName("256"));
    EXPECT_FALSE(ParseKeyName(""));
}

TEST(ParseKeyName, ModifierPrefixes) {
    auto ctrlN = ParseKeyName("Ctrl+N");
    ASSERT_TRUE(ctrlN);
    EXPECT_EQ(ctrlN->code, 'N');
    EXPECT_EQ(ctrlN->modifiers, Modifiers::Ctrl);
    auto shiftTab = ParseKeyName("shift+Tab");
    ASSERT_TRUE(shiftTab);
    EXPECT_EQ(shiftTab->code, vk::Tab);
    EXPECT_EQ(shiftTab->modifiers, Modifiers::Shift);
    EXPECT_EQ(ParseKeyName("Ctrl+Alt+x")->modifiers, Modifiers::Ctrl | Modifiers::Alt);
    EXPECT_FALSE(ParseKeyName("Ctrl+"));
}

}  // namespace
}  // namespace ui
