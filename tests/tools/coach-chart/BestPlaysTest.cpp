// The help document's table of best plays: known cells of this game, the table's shape, and the
// marker filled in.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tools/coach-chart/BestPlays.h"

namespace coachchart {
namespace {

using game::coach::Play;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

TEST(BestPlays, KnownCellsOfThisGame) {
    const game::rules::Rules rules;
    EXPECT_EQ(BestOpeningPlay(rules, 10, 8, 10), Play::Stay);
    EXPECT_EQ(BestOpeningPlay(rules, 10, 6, 7), Play::Hit);
    EXPECT_EQ(BestOpeningPlay(rules, 5, 6, 6), Play::DoubleDown);
    EXPECT_EQ(BestOpeningPlay(rules, 8, 8, 6), Play::Split);
    EXPECT_EQ(BestOpeningPlay(rules, 11, 11, 6), Play::Split);
    EXPECT_EQ(BestOpeningPlay(rules, 10, 10, 6), Play::Stay);
}

TEST(BestPlays, TableHasARowForEveryOpeningHandAndAColumnForEveryDealerCard) {
    const std::string table = BestPlaysTable(game::rules::Rules{});
    EXPECT_TRUE(table.starts_with("<table id=\"best-plays\">\n<caption>"));
    // 36 hard hands, 9 soft ones and 10 pairs.
    EXPECT_EQ(Count(table, "<th scope=\"row\">"), 55U);
    EXPECT_EQ(Count(table, "<td>"), 550U);
    EXPECT_NE(table.find("<tr><th scope=\"row\">Pair of 8s</th>"), std::string::npos);
    EXPECT_NE(table.find("<th scope=\"row\">Ace and 7 (soft 18)</th>"), std::string::npos);
    EXPECT_NE(table.find("<th scope=\"row\">10 and 6 (16)</th>"), std::string::npos);
    EXPECT_NE(table.find("<th scope=\"col\">Ace</th></tr>"), std::string::npos);
}

TEST(BestPlays, FillInReplacesTheMarkerLine) {
    EXPECT_EQ(FillIn("<p>a</p>\n<!-- best-plays-table -->\n<p>b</p>\n", "<table></table>\n"),
              "<p>a</p>\n<table></table>\n<p>b</p>\n");
    EXPECT_THROW(FillIn("<p>no marker</p>\n", "<table></table>\n"), std::runtime_error);
}

}  // namespace
}  // namespace coachchart
