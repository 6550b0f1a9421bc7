// The script's words and call arguments.
#include <gtest/gtest.h>

#include "tools/sonivel-host/Script.h"

namespace sonivelhost {
namespace {

using automation::Variant;

std::vector<std::string> Texts(std::string_view line) {
    std::vector<std::string> texts;
    const auto words = SplitWords(line, nullptr);
    for (const auto& word : *words) {
        texts.push_back(word.text);
    }
    return texts;
}

TEST(ScriptTest, WordsQuotesAndComments) {
    EXPECT_EQ(Texts("  call s  Open \"/tmp/a b.wav\"  # the file"),
              (std::vector<std::string>{"call", "s", "Open", "/tmp/a b.wav"}));
    EXPECT_EQ(Texts(R"(x "say \"hi\" # not a comment \\")"),
              (std::vector<std::string>{"x", R"(say "hi" # not a comment \)"}));
    EXPECT_EQ(Texts("\"\""), (std::vector<std::string>{""}));
    EXPECT_TRUE(Texts("# only a comment").empty());
    std::string error;
    EXPECT_FALSE(SplitWords("call s Open \"/tmp/a", &error));
    EXPECT_EQ(error, "missing closing quote");
}

Argument Parse(std::string_view text) {
    const auto words = SplitWords(text, nullptr);
    std::string error;
    const auto argument = ParseArgument(words->at(0), &error);
    EXPECT_TRUE(argument) << text << ": " << error;
    return argument.value_or(Argument{});
}

TEST(ScriptTest, ArgumentsByTypeAndByLook) {
    EXPECT_EQ(Parse("short:5").value, Variant(std::int16_t{5}));
    EXPECT_EQ(Parse("long:-1").value, Variant(-1));
    EXPECT_EQ(Parse("float:0.5").value, Variant(0.5f));
    EXPECT_EQ(Parse("bool:false").value, Variant(false));
    EXPECT_EQ(Parse("string:\"a b\"").value, Variant("a b"));
    EXPECT_EQ(Parse("\"long:5\"").value, Variant("long:5")) << "quoted first: text";
    EXPECT_EQ(Parse("500").value, Variant(500));
    EXPECT_EQ(Parse("1.5").value, Variant(1.5f));
    EXPECT_EQ(Parse("true").value, Variant(true));
    EXPECT_EQ(Parse("\"true\"").value, Variant("true"));
    EXPECT_EQ(Parse("&samples").array, "samples");
}

TEST(ScriptTest, BadArgumentsAreRefused) {
    for (const char* bad : {"short:70000", "long:x", "bool:yes", "word", "&", "12abc"}) {
        std::string error;
        EXPECT_FALSE(ParseArgument(Word{bad}, &error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

}  // namespace
}  // namespace sonivelhost
