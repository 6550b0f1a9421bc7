// The engine's best play for every two-card hand against every dealer card, off a full single
// deck under the usual single-deck rules (dealer stands on soft 17 and peeks, double on any two
// cards, no double after a split, resplit to four hands except aces, blackjack pays 3 to 2), is
// the published composition-dependent basic strategy, cell for cell.
//
// The chart: "the correct basic strategy for single deck Blackjack" of the rec.gambling.blackjack
// FAQ (question B10, by Steve Jacobs; single deck, no double after splits), which goes by totals,
// with the two-card exceptions for the exact cards of the Wizard of Odds' "Fine points of basic
// strategy" for a single deck where the dealer stands on soft 17 (wizardofodds.com, blackjack
// appendix 3): 6+2 hits against 5 and 6; 7+5 and 8+4 stand against 3; 10+2 hits against 4 and 6;
// 10+3 hits against 2. The FAQ marks soft 18 against an ace with a footnote; the Wizard of Odds'
// exact values for this game (appendix 9, one deck, dealer stands on soft 17: stand -0.101015,
// hit -0.108386) make it a stand, and EngineKnownAnswersTest checks those values.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "game/coach/Coach.h"
#include "game/rules/HandValue.h"

namespace game::coach::test {

using namespace rules;
namespace {

constexpr int A = kAceValue;

// S stand, H hit, D double (else hit), d double (else stand), P split; by dealer 2 to 10, then A.
// clang-format off
const std::map<int, std::string> kHard = {
    {5,  "HHHHHHHHHH"},
    {6,  "HHHHHHHHHH"},
    {7,  "HHHHHHHHHH"},
    {8,  "HHHDDHHHHH"},
    {9,  "DDDDDHHHHH"},
    {10, "DDDDDDDDHH"},
    {11, "DDDDDDDDDD"},
    {12, "HHSSSHHHHH"},
    {13, "SSSSSHHHHH"},
    {14, "SSSSSHHHHH"},
    {15, "SSSSSHHHHH"},
    {16, "SSSSSHHHHH"},
    {17, "SSSSSSSSSS"},
    {18, "SSSSSSSSSS"},
    {19, "SSSSSSSSSS"},
};
// By the card beside the ace.
const std::map<int, std::string> kSoft = {
    {2,  "HHDDDHHHHH"},
    {3,  "HHDDDHHHHH"},
    {4,  "HHDDDHHHHH"},
    {5,  "HHDDDHHHHH"},
    {6,  "DDDDDHHHHH"},
    {7,  "SddddSSHHS"},
    {8,  "SSSSdSSSSS"},
    {9,  "SSSSSSSSSS"},
    {10, "SSSSSSSSSS"},
};
const std::map<int, std::string> kPairs = {
    {2,  "HPPPPPHHHH"},
    {3,  "HHPPPPHHHH"},
    {4,  "HHHDDHHHHH"},
    {5,  "DDDDDDDDHH"},
    {6,  "PPPPPHHHHH"},
    {7,  "PPPPPPHHSH"},
    {8,  "PPPPPPPPPP"},
    {9,  "PPPPPSPPSS"},
    {10, "SSSSSSSSSS"},
    {A,  "PPPPPPPPPP"},
};
// clang-format on

struct Exception {
    std::pair<int, int> cards;
    int dealer;
    char play;
};
const std::vector<Exception> kExceptions = {
    {{2, 6}, 5, 'H'},  {{2, 6}, 6, 'H'},  {{5, 7}, 3, 'S'},  {{4, 8}, 3, 'S'},
    {{2, 10}, 4, 'H'}, {{2, 10}, 6, 'H'}, {{3, 10}, 2, 'H'},
};

const std::vector<int> kDealerCards = {2, 3, 4, 5, 6, 7, 8, 9, 10, A};

// `low` is the smaller card value, an ace counting 11.
char ChartCell(int low, int high, int column) {
    const std::size_t at = static_cast<std::size_t>(column);
    if (low == high) {
        return kPairs.at(low)[at];
    }
    if (high == A) {
        return kSoft.at(low)[at];
    }
    return kHard.at(low + high)[at];
}

char EngineCell(const PlayValues& values) {
    switch (BestPlay(values)) {
        case Play::Stay:
            return 'S';
        case Play::Hit:
            return 'H';
        case Play::DoubleDown:
            return *values.hit > values.stay ? 'D' : 'd';
        case Play::Split:
            return 'P';
    }
    return '?';
}

TEST(StrategyChart, EveryTwoCardHandMatchesThePublishedSingleDeckChart) {
    const Rules rules = UsualTable(1);
    int cells = 0;
    for (int low = 2; low <= A; ++low) {
        for (int high = low; high <= A; ++high) {
            for (int column = 0; column < static_cast<int>(kDealerCards.size()); ++column) {
                const int dealer = kDealerCards[static_cast<std::size_t>(column)];
                char expected = ChartCell(low, high, column);
                for (const Exception& exception : kExceptions) {
                    if (exception.cards == std::pair{low, high} && exception.dealer == dealer) {
                        expected = exception.play;
                    }
                }
                Situation situation;
                situation.playerCards = {low, high};
                situation.dealerUpCard = dealer;
                EXPECT_EQ(EngineCell(Evaluate(rules, situation)), expected)
                    << low << "," << high << " against " << dealer;
                ++cells;
            }
        }
    }
    EXPECT_EQ(cells, 550);
}

}  // namespace
}  // namespace game::coach::test
