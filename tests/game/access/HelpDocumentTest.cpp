// The help document: a copy beside the built program, well-formed, one heading per topic, and
// key tables that name every key of both of the player's key maps, read from the game's own maps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/access/KeyMaps.h"

namespace game {
namespace {

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

const std::string& Document() {
    static const std::string document = ReadAll(VENTRA_HELP_DOCUMENT);
    return document;
}

// The first well-formedness fault of an XHTML-style document, or "" when there is none: every
// element closed in order (void elements self-closed), attributes quoted, "<" and "&" escaped.
std::string WellFormednessFault(const std::string& html) {
    std::vector<std::string> open;
    std::size_t at = 0;
    auto fault = [&](const std::string& what) { return what + " at byte " + std::to_string(at); };
    while (at < html.size()) {
        const std::size_t lt = html.find_first_of("<&", at);
        if (lt == std::string::npos) {
            break;
        }
        at = lt;
        if (html[at] == '&') {
            const std::size_t semicolon = html.find(';', at);
            if (semicolon == std::string::npos || semicolon - at > 10 || semicolon == at + 1) {
                return fault("a bare &");
            }
            at = semicolon + 1;
            continue;
        }
        if (html.compare(at, 4, "<!--") == 0) {
            at = html.find("-->", at);
            if (at == std::string::npos) {
                return "an unclosed comment";
            }
            at += 3;
            continue;
        }
        // The tag, up to a ">" outside quotes.
        std::size_t end = at + 1;
        char quote = 0;
        for (; end < html.size() && (quote != 0 || html[end] != '>'); ++end) {
            if (html[end] == '<' && quote == 0) {
                return fault("a \"<\" inside a tag");
            }
            if (html[end] == '"' || html[end] == '\'') {
                quote = quote == 0 ? html[end] : (quote == html[end] ? 0 : quote);
            }
        }
        if (end == html.size()) {
            return fault("an unclosed tag");
        }
        const std::string tag = html.substr(at + 1, end - at - 1);
        at = end + 1;
        if (tag.starts_with("!DOCTYPE")) {
            continue;
        }
        const bool closing = tag.starts_with('/');
        const std::string body = closing ? tag.substr(1) : tag;
        const std::string name = body.substr(0, body.find_first_of(" \t\n/"));
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](unsigned char c) {
                return std::islower(c) || std::isdigit(c);
            })) {
            return fault("a bad tag name \"" + name + "\"");
        }
        if (closing) {
            if (open.empty() || open.back() != name) {
                return fault("</" + name + "> closes <" + (open.empty() ? "" : open.back()) + ">");
            }
            open.pop_back();
        } else if (!tag.ends_with('/')) {
            static const std::set<std::string> kVoid{"meta", "br", "img", "link", "hr", "input"};
            if (kVoid.count(name) != 0) {
                return fault("<" + name + "> is not self-closed");
            }
            open.push_back(name);
        }
    }
    return open.empty() ? "" : "<" + open.back() + "> is never closed";
}

TEST(HelpDocument, SitsBesideTheProgramAsACopyOfItsSource) {
    ASSERT_TRUE(std::filesystem::is_regular_file(VENTRA_HELP_DOCUMENT));
    EXPECT_EQ(std::filesystem::path(VENTRA_HELP_DOCUMENT).parent_path(),
              std::filesystem::path(VENTRA_PROGRAM).parent_path());
    EXPECT_EQ(Document(), ReadAll(VENTRA_HELP_SOURCE));
}

TEST(HelpDocument, IsWellFormedWithALanguageTitleAndOneMainHeading) {
    EXPECT_EQ(WellFormednessFault(Document()), "");
    EXPECT_TRUE(Document().starts_with("<!DOCTYPE html>\n<html lang=\"en\">"));
    EXPECT_NE(Document().find("<meta charset=\"utf-8\" />"), std::string::npos);
    EXPECT_NE(Document().find("<title>Ventrelle help</title>"), std::string::npos);
    const auto count = [](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = Document().find(text); at != std::string::npos;
             at = Document().find(text, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(count("<h1>"), 1u);
    EXPECT_EQ(count("<h2 "), 9u);
}

TEST(HelpDocumentChecker, FindsTheFaultsItLooksFor) {
    EXPECT_EQ(WellFormednessFault("<p>a <em>b</em></p>"), "");
    EXPECT_NE(WellFormednessFault("<p>a <em>b</p></em>"), "");
    EXPECT_NE(WellFormednessFault("<ul><li>a</ul>"), "");
    EXPECT_NE(WellFormednessFault("<p>a & b</p>"), "");
    EXPECT_NE(WellFormednessFault("<meta charset=\"utf-8\">"), "");
    EXPECT_NE(WellFormednessFault("<p class=\"a>b</p>"), "");
    EXPECT_NE(WellFormednessFault("<P>a</P>"), "");
}

// The text of the element that starts with `start`, up to its closing `end`.
std::string Element(const std::string& start, const std::string& end) {
    const std::size_t from = Document().find(start);
    if (from == std::string::npos) {
        return "";
    }
    return Document().substr(from, Document().find(end, from) - from);
}

TEST(HelpDocument, HasAHeadingForEveryTopic) {
    for (const char* heading : {
             R"(<h2 id="rules">The rules of this game</h2>)",
             R"(<h2 id="windows">The windows, in the order you meet them</h2>)",
             R"(<h2 id="jaws-keys-topic">Keys at the table with JAWS For Windows</h2>)",
             R"(<h2 id="letter-keys-topic">Keys at the table with any other reader</h2>)",
             R"(<h2 id="other-keys">Keys everywhere else</h2>)",
             R"(<h2 id="spoken-help">Spoken help</h2>)",
             R"(<h2 id="readers">Choosing a screen reader, and how each one speaks on Linux</h2>)",
             R"(<h2 id="sounds">The sounds</h2>)",
             R"(<h2 id="settings">Where your settings are kept</h2>)",
         }) {
        EXPECT_NE(Document().find(heading), std::string::npos) << heading;
    }
    const std::string rules = Lower(Element(R"(<h2 id="rules">)", "</section>"));
    for (const char* rule : {"five-card win", "the dealer stands on 17", "pays 2 to 1",
                             "double down", "insurance", "splitting pairs"}) {
        EXPECT_NE(rules.find(rule), std::string::npos) << rule;
    }
}

// What each action's row says, in lower case.
const std::map<TableAction, std::string> kActionWords{
    {TableAction::Stakes, "stakes"},
    {TableAction::Insurance, "insurance"},
    {TableAction::DoubleDown, "double down"},
    {TableAction::Split, "split pairs"},
    {TableAction::Hit, "hit"},
    {TableAction::Stay, "stay"},
    {TableAction::ReadDealerCards, "dealer's card"},
    {TableAction::ReadPlayerCards, "your cards"},
    {TableAction::Help, "help"},
};

// The rows of a key table: the key in <kbd> and the rest of the row.
std::multimap<std::string, std::string> KeyRows(const std::string& table) {
    std::multimap<std::string, std::string> rows;
    const std::string body = Element(R"(<table id=")" + table + R"(">)", "</table>");
    for (std::size_t row = body.find("<tr><td><kbd>"); row != std::string::npos;
         row = body.find("<tr><td><kbd>", row + 1)) {
        const std::size_t key = row + 13;
        const std::size_t keyEnd = body.find("</kbd>", key);
        rows.emplace(body.substr(key, keyEnd - key),
                     Lower(body.substr(keyEnd, body.find("</tr>", keyEnd) - keyEnd)));
    }
    return rows;
}

void ExpectTableOf(const KeyMap& map, const std::string& table) {
    const auto rows = KeyRows(table);
    EXPECT_EQ(rows.size(), map.keys.size()) << table;
    for (const KeyBinding& key : map.keys) {
        const auto [first, last] = rows.equal_range(std::string(key.keyName));
        ASSERT_NE(first, last) << table << " does not name " << key.keyName;
        const std::string& words = kActionWords.at(key.action);
        EXPECT_TRUE(std::any_of(
            first, last,
            [&](const auto& row) { return row.second.find(words) != std::string::npos; }))
            << table << ": " << key.keyName << " should say \"" << words << "\"";
    }
}

TEST(HelpDocument, TablesNameEveryKeyOfBothMapsWithItsAction) {
    ExpectTableOf(kJawsKeyMap, "jaws-keys");
    ExpectTableOf(kLetterKeyMap, "letter-keys");
}

TEST(HelpDocument, HoldsTheTableOfBestPlaysInPlaceOfItsMarker) {
    const std::string rules = Element(R"(<h2 id="rules">)", "</section>");
    EXPECT_NE(rules.find(R"(<table id="best-plays">)"), std::string::npos);
    EXPECT_NE(rules.find(R"(<tr><th scope="row">Pair of 8s</th>)"), std::string::npos);
    EXPECT_EQ(Document().find("best-plays-table"), std::string::npos);
    EXPECT_NE(ReadAll(PROJECT_HELP_TEMPLATE).find("<!-- best-plays-table -->"), std::string::npos);
}

}  // namespace
}  // namespace game
