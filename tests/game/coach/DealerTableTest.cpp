// The dealer's odds as the engine works them out, in passes that serve several sets of removed
// cards at once, against a plain recursion over every card the dealer can draw, one set at a time.
#include <gtest/gtest.h>

#include <vector>

#include "game/coach/DealerOdds.h"
#include "game/coach/Shoe.h"
#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"

namespace game::coach::test {

using namespace rules;
namespace {

constexpr double kSame = 1e-12;

// Adds to `odds` the chances of the dealer's final hands from `dealer`, drawing from `left`
// (`total` cards) with the chance `reach` of having come this far.
void DrawFrom(const HandValue& dealer, RankCounts& left, int total, double reach,
              const Rules& rules, DealerOdds& odds) {
    if (total == 0) {
        odds.chance[static_cast<std::size_t>(dealer.total)] += reach;  // it stands on what it has
        return;
    }
    for (int rank = 1; rank <= kRanks; ++rank) {
        if (left[rank] == 0) {
            continue;
        }
        const double chance = reach * left[rank] / total;
        const HandValue grown = AddCard(dealer, ValueOfRank(rank));
        if (IsBlackjack(grown, HandKind::Ordinary)) {
            odds.chance[DealerOdds::kBlackjack] += chance;
        } else if (IsBust(grown)) {
            odds.chance[DealerOdds::kBust] += chance;
        } else if (!DealerDraws(grown, rules)) {
            odds.chance[static_cast<std::size_t>(grown.total)] += chance;
        } else {
            left[rank] -= 1;
            DrawFrom(grown, left, total - 1, chance, rules, odds);
            left[rank] += 1;
        }
    }
}

DealerOdds Reference(int upRank, const Rules& rules, const Shoe& shoe, const Removal& removal) {
    RankCounts left = shoe.Counts();
    for (int rank = 1; rank <= kRanks; ++rank) {
        left[rank] -= removal.counts[rank];
    }
    DealerOdds odds;
    DrawFrom(AddCard(HandValue{}, ValueOfRank(upRank)), left, shoe.Total() - removal.total, 1.0,
             rules, odds);
    return odds;
}

Removal Removing(const std::vector<int>& ranks) {
    Removal removal;
    for (const int rank : ranks) {
        removal.counts[rank] += 1;
        removal.total += 1;
    }
    return removal;
}

void ExpectSameOdds(const DealerOdds& odds, const DealerOdds& expected) {
    for (std::size_t bin = 0; bin < odds.chance.size(); ++bin) {
        EXPECT_NEAR(odds.chance[bin], expected.chance[bin], kSame) << "outcome " << bin;
    }
}

// The shoe left after the up card and `seen`, from one deck.
Shoe After(int upRank, const std::vector<int>& seenRanks) {
    Shoe shoe = Shoe::Full(1);
    shoe.RemoveRank(upRank);
    for (const int rank : seenRanks) {
        shoe.RemoveRank(rank);
    }
    return shoe;
}

TEST(DealerTable, EveryWidthOfPassGivesTheOddsOfAPlainRecursion) {
    // Sets of the player's cards as the engine's recursion removes them, never more of a rank
    // than the shoe holds: a pair and its split cards, hands of small cards; from one set alone to
    // more than one full pass.
    const std::vector<std::vector<int>> sets = {
        {10, 6},    {10, 6, 1}, {2, 2, 2},    {3, 3, 4}, {1, 1},    {5, 6, 7},
        {9, 9, 10}, {2, 3, 4},  {4, 4, 4, 2}, {10, 10},  {7, 1, 3}, {6, 6, 6},
    };
    const Rules rules;
    for (const int up : {2, 6, kAce, kTen}) {
        SCOPED_TRACE(up);
        // Some cards seen besides, so the dealer's table is not that of a full deck.
        const Shoe shoe = After(up, {10, 10, 9, 5});
        const DealerTable table(up, rules, shoe);
        std::vector<Removal> removals;
        for (const auto& set : sets) {
            removals.push_back(Removing(set));
        }
        for (const std::size_t count :
             {std::size_t{1}, std::size_t{2}, std::size_t{3}, DealerTable::kLanes, sets.size()}) {
            SCOPED_TRACE(count);
            std::vector<DealerOdds> odds(count);
            table.Odds(shoe, std::span(removals).first(count), odds);
            for (std::size_t at = 0; at < count; ++at) {
                SCOPED_TRACE(::testing::PrintToString(sets[at]));
                ExpectSameOdds(odds[at], Reference(up, rules, shoe, removals[at]));
                ExpectSameOdds(table.Odds(shoe, removals[at].counts, removals[at].total), odds[at]);
            }
        }
    }
}

TEST(DealerTable, ADealerWhoRunsOutOfCardsStandsInItsOwnLaneOnly) {
    // Only small cards left: a dealer on 2 can draw the shoe empty, sooner in one lane than in the
    // other.
    std::vector<int> seen;
    for (int rank = 1; rank <= kRanks; ++rank) {
        const int keep = rank <= 3 ? 2 : 0;
        for (int copies = (rank == kTen ? 16 : 4) - keep; copies > 0; --copies) {
            seen.push_back(rank);
        }
    }
    seen.erase(std::find(seen.begin(), seen.end(), 2));  // the up card is another 2
    const Shoe shoe = After(2, seen);
    ASSERT_EQ(shoe.Total(), 6);
    const Rules rules;
    const DealerTable table(2, rules, shoe);
    // Whether each set leaves the dealer a way to draw the shoe empty below 17.
    const std::vector<std::pair<Removal, bool>> sets = {
        {Removing({}), true},
        {Removing({1, 3}), false},
        {Removing({3}), false},
        {Removing({1, 1, 2}), true},
    };
    std::vector<Removal> removals;
    for (const auto& [removal, runsOut] : sets) {
        removals.push_back(removal);
    }
    std::vector<DealerOdds> odds(removals.size());
    table.Odds(shoe, removals, odds);
    for (std::size_t at = 0; at < removals.size(); ++at) {
        SCOPED_TRACE(at);
        const DealerOdds expected = Reference(2, rules, shoe, removals[at]);
        ExpectSameOdds(odds[at], expected);
        double standsShort = 0.0;
        for (int total = 0; total < 17; ++total) {
            standsShort += odds[at].chance[static_cast<std::size_t>(total)];
        }
        EXPECT_EQ(standsShort > 0.0, sets[at].second);
    }
}

TEST(DealerTable, AnInfiniteShoeIgnoresTheCardsRemoved) {
    const Shoe shoe = Shoe::Full(Rules::kInfiniteDecks);
    const Rules rules = UsualTable(Rules::kInfiniteDecks);
    const DealerTable table(6, rules, shoe);
    const DealerOdds full = table.Odds(shoe, RankCounts{}, 0);
    const std::vector<Removal> removals = {Removing({10, 10}), Removing({6, 6, 6, 6, 6})};
    std::vector<DealerOdds> odds(removals.size());
    table.Odds(shoe, removals, odds);
    double total = 0.0;
    for (std::size_t bin = 0; bin < full.chance.size(); ++bin) {
        EXPECT_EQ(odds[0].chance[bin], full.chance[bin]);
        EXPECT_EQ(odds[1].chance[bin], full.chance[bin]);
        total += full.chance[bin];
    }
    EXPECT_NEAR(total, 1.0, kSame);
    // Published: a dealer showing 6 busts 42.3 % of the time from an infinite shoe.
    EXPECT_NEAR(full.chance[DealerOdds::kBust], 0.4232, 1e-4);
}

}  // namespace
}  // namespace game::coach::test
