// The engine's values under this game's rules agree with hands played out card by card through
// the rule functions: for a sample of situations, every play open to the hand is played many
// times from the same visible cards with the unseen cards shuffled afresh each time, and the
// engine's value lies within the simulation's error (4.5 standard errors; the seeds are fixed, so
// the test is repeatable). A split's value also allows for the engine's split approximation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/rules/HandValue.h"
#include "tests/game/coach/Simulation.h"

namespace game::coach::test {

using namespace rules;
namespace {

constexpr int A = kAceValue;
#if defined(__SANITIZE_ADDRESS__)
constexpr int kHands = 40'000;  // the sanitizers slow every hand down tenfold
#else
constexpr int kHands = 200'000;
#endif
constexpr double kStandardErrors = 4.5;
// How far the split approximation (other split hands' cards ignored) may be from the value of
// the play it describes.
constexpr double kSplitApproximation = 0.01;

struct Sample {
    std::string name;
    Situation situation;
};

Situation Hand(std::vector<int> cards, int dealer, std::vector<int> seen = {}, int splits = 0) {
    Situation situation;
    situation.playerCards = std::move(cards);
    situation.dealerUpCard = dealer;
    situation.otherCardsSeen = std::move(seen);
    situation.splitsMade = splits;
    return situation;
}

const std::vector<Sample> kSamples = {
    {"16 against a ten", Hand({10, 6}, 10)},
    {"soft 18 against a 9", Hand({A, 7}, 9)},
    {"11 against a 6", Hand({5, 6}, 6)},
    {"eights against a ten", Hand({8, 8}, 10)},
    {"aces against a 6", Hand({A, A}, 6)},
    {"sevens against a 7", Hand({7, 7}, 7, {10, 10, 10, 9})},
    {"blackjack against an ace", Hand({10, A}, A)},
    {"12 in three cards against a 4, after small cards",
     Hand({2, 4, 6}, 4, {2, 3, 3, 4, 5, 5, 6, 2, 3, 4, A, 5})},
    {"13 in four cards against a ten", Hand({2, 3, 4, 4}, 10, {10, 9})},
    {"split hand of 11 against a 7", Hand({8, 3}, 7, {8}, 1)},
};

TEST(Simulation, EveryPlayOfTheSampleHandsAgreesWithTheEngine) {
    const Rules game;
    Simulation simulation(game, 20240611);
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.name);
        const PlayValues values = Evaluate(game, sample.situation);
        for (const Play play : {Play::Stay, Play::Hit, Play::DoubleDown, Play::Split}) {
            const std::optional<double> value = values.ValueOf(play);
            if (!value) {
                continue;
            }
            const Trial trial = simulation.Play(sample.situation, play, kHands);
            const double allowance = kStandardErrors * trial.standardError +
                                     (play == Play::Split ? kSplitApproximation : 0.0);
            EXPECT_NEAR(*value, trial.mean, allowance) << "play " << static_cast<int>(play);
        }
        if (values.insurance) {
            const Trial trial = simulation.Insurance(sample.situation, kHands);
            EXPECT_NEAR(*values.insurance, trial.mean, kStandardErrors * trial.standardError);
        }
    }
}

// Whole hands from a full deck and from decks with many small cards or many tens gone: the
// return the bet window's hint speaks.
TEST(Simulation, TheNextHandsReturnAgreesWithTheEngine) {
    const Rules game;
    Simulation simulation(game, 20240612);
    const std::vector<std::vector<int>> seen = {
        {},
        {2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4},
        {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10},
    };
    for (const std::vector<int>& cards : seen) {
        SCOPED_TRACE(::testing::PrintToString(cards));
        const Trial trial = simulation.NextHand(cards, kHands);
        EXPECT_NEAR(NextHandReturn(game, cards, static_cast<int>(cards.size())), trial.mean,
                    kStandardErrors * trial.standardError + kSplitApproximation / 10);
    }
}

}  // namespace
}  // namespace game::coach::test
