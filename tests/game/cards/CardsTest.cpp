// Card numbers: the name and blackjack value of every card, and of the numbers that are no card.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "game/cards/Cards.h"

namespace game::test {
namespace {

const std::array<std::string, 4> kSuits = {"Spades", "Diamonds", "Clubs", "Hearts"};
const std::array<std::string, 13> kRanks = {"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                            "8",   "9", "10", "Jack", "Queen", "King"};
const std::array<int, 13> kValues = {11, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10};

TEST(Cards, EveryCardHasItsNameAndValue) {
    std::set<std::string> names;
    for (int card = 1; card <= 52; ++card) {
        const int suit = (card - 1) / 13;
        const int rank = (card - 1) % 13;
        SCOPED_TRACE(card);
        EXPECT_EQ(GetCardString(card), kRanks[rank] + " of " + kSuits[suit]);
        EXPECT_EQ(GetCardValue(card), kValues[rank]);
        names.insert(GetCardString(card));
    }
    EXPECT_EQ(names.size(), 52u);
}

TEST(Cards, NamesCarryNoSpacesAtTheirEnds) {
    EXPECT_EQ(GetCardString(2), "2 of Spades");
    EXPECT_EQ(GetCardString(10), "10 of Spades");
    EXPECT_EQ(GetCardString(14), "Ace of Diamonds");
    EXPECT_EQ(GetCardString(36), "10 of Clubs");
    EXPECT_EQ(GetCardString(49), "10 of Hearts");
    EXPECT_EQ(GetCardString(52), "King of Hearts");
}

TEST(Cards, NumbersOutsideTheDeckAreNoCard) {
    for (const int number : {0, 53, -1, 32767, -32768}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(GetCardString(number), "");
        EXPECT_EQ(GetCardValue(number), 0);
    }
}

}  // namespace
}  // namespace game::test
