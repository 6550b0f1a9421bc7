// The shuffle: every shuffle a permutation of the 52 cards with slot 52 left empty, uniform over
// many seeded shuffles, reproducible from a seed yet different from one shuffle to the next, and
// the stacked deck of the headless scripts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "game/cards/Deck.h"
#include "game/shell/Game.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

std::vector<int> Slots(const DeckSlots& deck) {
    std::vector<int> slots;
    for (const Int16 card : deck) {
        slots.push_back(card);
    }
    return slots;
}

void ExpectPermutation(const DeckSlots& deck) {
    std::array<int, 53> seen{};
    for (int slot = 0; slot < 52; ++slot) {
        ASSERT_GE(deck[slot], 1);
        ASSERT_LE(deck[slot], 52);
        ++seen[deck[slot]];
    }
    for (int card = 1; card <= 52; ++card) {
        EXPECT_EQ(seen[card], 1) << "card " << card;
    }
    EXPECT_EQ(deck[52], 0);
}

// Runs `body` with a game made by the headless back end.
void WithGame(const std::function<void(Game&)>& body) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("start\n", body), 0);
}

TEST(Deck, EveryShuffleIsAPermutationAndLeavesSlot52Empty) {
    WithGame([](Game& game) {
        for (int shuffle = 0; shuffle < 200; ++shuffle) {
            ShuffleDeck(game);
            ExpectPermutation(game.state.Deck);
        }
    });
}

TEST(Deck, ShufflesAreUniformOverSlotsAndCards) {
    // Counts of each card in each slot over many seeded shuffles, against a chi-square bound for
    // its 51 * 51 degrees of freedom (mean 2601, deviation about 72; the bound is six deviations).
    constexpr int kShuffles = 5200;
    std::vector<std::array<int, 53>> counts(52);
    WithGame([&](Game& game) {
        game.shuffle.seed = 20261207;
        for (int shuffle = 0; shuffle < kShuffles; ++shuffle) {
            ShuffleDeck(game);
            for (int slot = 0; slot < 52; ++slot) {
                ++counts[slot][game.state.Deck[slot]];
            }
        }
    });
    const double expected = kShuffles / 52.0;
    double chiSquare = 0;
    double worstSlot = 0;
    for (int slot = 0; slot < 52; ++slot) {
        double slotChiSquare = 0;
        for (int card = 1; card <= 52; ++card) {
            const double deviation = counts[slot][card] - expected;
            slotChiSquare += deviation * deviation / expected;
        }
        chiSquare += slotChiSquare;
        worstSlot = std::max(worstSlot, slotChiSquare);
    }
    const double degrees = 51.0 * 51.0;
    EXPECT_LT(chiSquare, degrees + 6 * std::sqrt(2 * degrees));
    EXPECT_GT(chiSquare, degrees - 6 * std::sqrt(2 * degrees));
    // No single slot far off either (51 degrees of freedom; p below one in a million).
    EXPECT_LT(worstSlot, 115.0);
}

TEST(Deck, ASeedRepeatsTheRunButEachShuffleDiffers) {
    std::vector<std::vector<int>> first;
    std::vector<std::vector<int>> second;
    for (auto* run : {&first, &second}) {
        WithGame([run](Game& game) {
            game.shuffle.seed = 7;
            for (int shuffle = 0; shuffle < 3; ++shuffle) {
                ShuffleDeck(game);
                run->push_back(Slots(game.state.Deck));
            }
        });
    }
    EXPECT_EQ(first, second);
    EXPECT_NE(first[0], first[1]);
    EXPECT_NE(first[1], first[2]);
}

TEST(Deck, WithoutASeedTwoShufflesDiffer) {
    WithGame([](Game& game) {
        ShuffleDeck(game);
        const std::vector<int> before = Slots(game.state.Deck);
        ShuffleDeck(game);
        EXPECT_NE(Slots(game.state.Deck), before);
    });
}

TEST(Deck, AStackedDeckComesOnTopOnceThenTheRestInOrder) {
    WithGame([](Game& game) {
        game.shuffle.seed = 1;
        game.shuffle.stackedDeck = {52, 1, 27};
        ShuffleDeck(game);
        std::vector<int> expected = {52, 1, 27};
        for (int card = 2; card <= 51; ++card) {
            if (card != 27) {
                expected.push_back(card);
            }
        }
        expected.push_back(0);
        EXPECT_EQ(Slots(game.state.Deck), expected);
        EXPECT_TRUE(game.shuffle.stackedDeck.empty());
        ShuffleDeck(game);
        EXPECT_NE(Slots(game.state.Deck), expected);
        ExpectPermutation(game.state.Deck);
    });
}

TEST(Deck, AStackWithARepeatedCardIsRefused) {
    WithGame([](Game& game) {
        game.shuffle.stackedDeck = {5, 5};
        EXPECT_THROW(ShuffleDeck(game), std::invalid_argument);
    });
}

TEST(Deck, TheDeckCommandRefusesACardGivenTwice) {
    Scenario scenario;
    EXPECT_EQ(scenario.Run("deck 5 6 5\n"), 2);
    EXPECT_EQ(scenario.Lines(),
              std::vector<std::string>{
                  R"({"t":0,"ev":"error","text":"line 1: the card 5 is in the deck twice"})"});
}

}  // namespace
}  // namespace game::test
