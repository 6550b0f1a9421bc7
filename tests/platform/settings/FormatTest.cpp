#include <gtest/gtest.h>

#include <string>

#include "platform/settings/Format.h"

namespace {

using settings::FormatError;
using settings::FormatTree;
using settings::ParseTree;
using settings::Tree;

std::string AllBytes() {
    std::string bytes;
    for (int c = 0; c < 256; ++c) {
        bytes += static_cast<char>(c);
    }
    return bytes;
}

TEST(Format, WritesAReadableFile) {
    Tree tree;
    tree.Set("Ventrelle/StartUp", "Reader", "JFW");
    tree.Set("Classes/X", "", "a=b");
    EXPECT_EQ(FormatTree(tree),
              "# Ventrelle settings 1\n"
              "[Classes/X]\n"
              "=a=b\n"
              "[Ventrelle/StartUp]\n"
              "Reader=JFW\n"
              "# end\n");
}

TEST(Format, AwkwardKeysNamesAndValuesRoundTrip) {
    Tree tree;
    const std::string awkward[] = {"",
                                   "a=b=c",
                                   "]",
                                   "[section]",
                                   "# not a comment",
                                   "line\r\nbreak\n",
                                   "back\\slash\\x41",
                                   "caf\xc3\xa9 \xff\xfe",
                                   std::string("nul\0inside", 10),
                                   AllBytes()};
    for (const std::string& text : awkward) {
        tree.Set("Key " + text, text, text);
        tree.Set("Values", text, text);
    }
    tree.Key("Empty/Key");
    const std::string file = FormatTree(tree);
    EXPECT_EQ(ParseTree(file), tree);
    for (const std::string& text : awkward) {
        ASSERT_NE(tree.Find("Values", text), nullptr);
        EXPECT_EQ(*ParseTree(file).Find("Values", text), text);
    }
}

TEST(Format, AcceptsCommentsAndBlankLines) {
    const Tree tree = ParseTree("# Ventrelle settings 1\n\n# a note\n[A]\nx=1\n\n# end\n");
    EXPECT_EQ(*tree.Find("A", "x"), "1");
}

// What a person's editor may do to the file: Windows line ends, a byte-order mark, no final line
// end, or the last line dropped.
TEST(Format, AcceptsWhatAnEditorDoesToAnOtherwiseValidFile) {
    Tree expected;
    expected.Set("A", "x", "1");
    expected.Set("B", "", "two words");
    const std::string edited[] = {
        "# Ventrelle settings 1\r\n[A]\r\nx=1\r\n[B]\r\n=two words\r\n# end\r\n",
        "\xef\xbb\xbf# Ventrelle settings 1\n[A]\nx=1\n[B]\n=two words\n# end\n",
        "# Ventrelle settings 1\n[A]\nx=1\n[B]\n=two words\n# end",
        "# Ventrelle settings 1\n[A]\nx=1\n[B]\n=two words\n",
        "# Ventrelle settings 1\n[A]\nx=1\n[B]\n=two words",
        "\xef\xbb\xbf# Ventrelle settings 1\r\n[A]\nx=1\r\n[B]\r\n=two words",
    };
    for (const std::string& text : edited) {
        EXPECT_EQ(ParseTree(text), expected) << text;
    }
    // A carriage return the file escapes is still part of the value.
    EXPECT_EQ(*ParseTree("# Ventrelle settings 1\r\n[A]\r\nx=1\\r\r\n").Find("A", "x"), "1\r");
}

TEST(Format, RejectsDamagedFiles) {
    const std::string good = FormatTree([] {
        Tree tree;
        tree.Set("A", "x", "1");
        return tree;
    }());
    const std::string damaged[] = {
        "",
        "garbage\n",
        good + "[B]\n",                                     // text after the end
        "# Ventrelle settings 1\nx=1\n# end\n",             // value before any key
        "# Ventrelle settings 1\n[A\n# end\n",              // unterminated key
        "# Ventrelle settings 1\n[]\n# end\n",              // no key
        "# Ventrelle settings 1\n[A]\nno equals\n# end\n",  // neither key nor value
        "# Ventrelle settings 1\n[A]\nx=\\q\n# end\n",      // unknown escape
        "# Ventrelle settings 1\n[A]\nx=\\x4\n# end\n",     // short hex escape
        "# Ventrelle settings 1\n[A]\nx=1\\\n# end\n",      // escape cut off
        "# Ventrelle settings 1\n[A]\nx=1\r\r\n# end\n",    // a stray carriage return
        "\xef\xbb\xbf\xef\xbb\xbfgarbage\n",                // a mark before garbage
        "# Ventrelle settings 1\n[A]\nx=\x01\n# end\n",     // raw control byte
        "# Ventrelle settings 1\n[A]\na]b=1\n# end\n",      // raw bracket in a name
        std::string("\x7f"
                    "ELF\x02\x01\x01\0\0\0",
                    10),
    };
    for (const std::string& text : damaged) {
        EXPECT_THROW(ParseTree(text), FormatError) << text;
    }
}

TEST(Format, ErrorsSayWhichLine) {
    try {
        ParseTree("# Ventrelle settings 1\n[A]\nbad\n# end\n");
        FAIL();
    } catch (const FormatError& e) {
        EXPECT_STREQ(e.what(), "line 3: a line is neither a key nor a value");
    }
}

}  // namespace
