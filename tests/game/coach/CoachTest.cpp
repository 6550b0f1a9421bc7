// The coach's engine under this game's rules: which plays a hand is offered, values that follow
// from the rules alone, insurance, the next hand's return, and the situations it refuses.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "game/coach/Coach.h"
#include "game/rules/HandValue.h"

namespace game::coach::test {

using namespace rules;
namespace {

constexpr int A = kAceValue;
const Rules kGame;

Situation Hand(std::vector<int> cards, int dealer, std::vector<int> seen = {}) {
    Situation situation;
    situation.playerCards = std::move(cards);
    situation.dealerUpCard = dealer;
    situation.otherCardsSeen = std::move(seen);
    return situation;
}

// Every card of one deck but those given.
std::vector<int> AllBut(const std::vector<int>& kept) {
    std::vector<int> seen;
    for (int value = 2; value <= A; ++value) {
        int copies = value == 10 ? 16 : 4;
        for (const int keep : kept) {
            copies -= keep == value ? 1 : 0;
        }
        seen.insert(seen.end(), static_cast<std::size_t>(copies), value);
    }
    return seen;
}

TEST(Coach, TheOpeningHandIsOfferedEveryPlayTheTableAllows) {
    const PlayValues pair = Evaluate(kGame, Hand({8, 8}, 10));
    EXPECT_TRUE(pair.hit && pair.doubleDown && pair.split);
    EXPECT_FALSE(pair.insurance);  // no ace showing
    const PlayValues kingQueen = Evaluate(kGame, Hand({10, 10}, 6));
    EXPECT_TRUE(kingQueen.split);
    const PlayValues noPair = Evaluate(kGame, Hand({10, 6}, 10));
    EXPECT_TRUE(noPair.hit && noPair.doubleDown);
    EXPECT_FALSE(noPair.split);
    const PlayValues threeCards = Evaluate(kGame, Hand({2, 3, 4}, 10));
    EXPECT_TRUE(threeCards.hit);
    EXPECT_FALSE(threeCards.doubleDown || threeCards.split || threeCards.insurance);
}

TEST(Coach, SplitHandsAreNotDoubledAndSplitAcesAreNotHit) {
    Situation eights = Hand({8, 3}, 7, {8});
    eights.splitsMade = 1;
    const PlayValues afterSplit = Evaluate(kGame, eights);
    EXPECT_TRUE(afterSplit.hit);
    EXPECT_FALSE(afterSplit.doubleDown || afterSplit.split);
    Situation aces = Hand({A, 9}, 6, {A});
    aces.splitsMade = 1;
    const PlayValues splitAces = Evaluate(kGame, aces);
    EXPECT_FALSE(splitAces.hit || splitAces.doubleDown || splitAces.insurance);
    EXPECT_EQ(BestPlay(splitAces), Play::Stay);
    Situation acesAgain = Hand({A, A}, 6, {A});
    acesAgain.splitsMade = 1;
    EXPECT_TRUE(Evaluate(kGame, acesAgain).split);  // this table splits aces again
    acesAgain.splitsMade = 3;
    acesAgain.otherCardsSeen = {A};
    EXPECT_FALSE(Evaluate(kGame, acesAgain).split);  // four hands already
}

TEST(Coach, ASplitHandsTwentyOneIsNoBlackjack) {
    Situation split = Hand({A, 10}, 9, {A});
    split.splitsMade = 1;
    const PlayValues asSplit = Evaluate(kGame, split);
    const PlayValues asDealt = Evaluate(kGame, Hand({A, 10}, 9, {A}));
    EXPECT_NEAR(asDealt.stay, 2.0, 1e-12);  // a 9 showing never makes a blackjack
    EXPECT_LT(asSplit.stay, 1.0);           // a dealer's 21 draws with it
    EXPECT_GT(asSplit.stay, 0.8);
}

TEST(Coach, BlackjackPaysTwoToOneUnlessTheDealerHasOneToo) {
    // The player holds an ace: three aces among the 49 cards the hole card may be.
    EXPECT_NEAR(Evaluate(kGame, Hand({A, 10}, 10)).stay, 2.0 * (1.0 - 3.0 / 49.0), 1e-12);
    EXPECT_NEAR(Evaluate(kGame, Hand({10, A}, 6)).stay, 2.0, 1e-12);
}

TEST(Coach, AFifthCardWinsEvenAgainstADealerBlackjack) {
    // Four cards making 11: no fifth card can bust it, so hitting wins one bet for sure.
    EXPECT_NEAR(*Evaluate(kGame, Hand({2, 3, 2, 4}, A)).hit, 1.0, 1e-12);
    EXPECT_NEAR(*Evaluate(kGame, Hand({2, 3, 2, 4}, 10)).hit, 1.0, 1e-12);
    Rules noFiveCards = kGame;
    noFiveCards.fiveCards = FiveCardRule::None;
    EXPECT_LT(*Evaluate(noFiveCards, Hand({2, 3, 2, 4}, 10)).hit, 0.5);
}

TEST(Coach, WithoutAPeekADealerBlackjackTakesTheDoubledBet) {
    Rules noPeek = kGame;
    noPeek.fiveCards = FiveCardRule::None;  // a five-card win would beat the blackjack
    Rules peek = noPeek;
    peek.holeCard = HoleCard::DealerPeeks;
    const PlayValues unpeeked = Evaluate(noPeek, Hand({6, 5}, 10));
    const PlayValues peeked = Evaluate(peek, Hand({6, 5}, 10));
    // After the peek the values are those of a dealer without blackjack; with the blackjacks
    // (an ace among 49 cards) counted back in, a hit loses the same either way, and the double
    // loses its second bet too only where the dealer does not peek.
    const double blackjack = 4.0 / 49.0;
    const auto beforePeek = [&](double value) { return value * (1 - blackjack) - blackjack; };
    EXPECT_NEAR(beforePeek(*peeked.hit) - *unpeeked.hit, 0.0, 1e-12);
    EXPECT_NEAR(beforePeek(*peeked.doubleDown) - *unpeeked.doubleDown, blackjack, 1e-12);
}

TEST(Coach, InsuranceIsValuedFromTheUnseenTens) {
    // Tens are 14 of the 49 unseen cards when the player holds two of them.
    const PlayValues tens = Evaluate(kGame, Hand({10, 10}, A));
    ASSERT_TRUE(tens.insurance);
    EXPECT_DOUBLE_EQ(*tens.insurance, 0.5 * (2.0 * 14.0 / 49.0 - 1.0));
    // With twenty small cards seen, 16 tens among 29 cards: insurance pays.
    const std::vector<int> small = {2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6};
    const PlayValues rich = Evaluate(kGame, Hand({7, 8}, A, small));
    EXPECT_DOUBLE_EQ(*rich.insurance, 0.5 * (2.0 * 16.0 / 29.0 - 1.0));
    Situation taken = Hand({10, 10}, A);
    taken.insuranceTaken = true;
    EXPECT_FALSE(Evaluate(kGame, taken).insurance);
    Rules none = kGame;
    none.insurance = InsuranceRule::NotOffered;
    EXPECT_FALSE(Evaluate(none, Hand({10, 10}, A)).insurance);
}

TEST(Coach, NoOneDrawsFromAnEmptyDeck) {
    // Only one card unseen: it is the dealer's face-down card, a ten. The dealer stands on 14
    // with nothing left to draw, and the player's 5 loses.
    const PlayValues last = Evaluate(kGame, Hand({2, 3}, 4, AllBut({2, 3, 4, 10})));
    EXPECT_FALSE(last.hit || last.doubleDown);
    EXPECT_NEAR(last.stay, -1.0, 1e-12);
    // Two unseen, a ten and a 2. Standing on 15, the dealer makes 16 either way and stands with
    // nothing left. Hitting, the ten busts the player; the 2 makes 17 against the dealer's 14.
    const PlayValues two = Evaluate(kGame, Hand({10, 5}, 4, AllBut({10, 5, 4, 10, 2})));
    EXPECT_NEAR(two.stay, -1.0, 1e-12);
    EXPECT_NEAR(*two.hit, 0.0, 1e-12);
}

TEST(Coach, BestPlayTakesTheHighestValueAndTheFirstOfEqualOnes) {
    PlayValues values;
    values.stay = -0.2;
    values.hit = 0.1;
    values.doubleDown = 0.3;
    values.split = 0.25;
    EXPECT_EQ(BestPlay(values), Play::DoubleDown);
    values.split = 0.3;
    EXPECT_EQ(BestPlay(values), Play::DoubleDown);
    values.doubleDown.reset();
    EXPECT_EQ(BestPlay(values), Play::Split);
    values.hit = -0.2;
    values.split.reset();
    EXPECT_EQ(BestPlay(values), Play::Stay);
    EXPECT_EQ(*values.ValueOf(Play::Hit), -0.2);
    EXPECT_FALSE(values.ValueOf(Play::Split));
}

TEST(Coach, TheNextHandStartsFromAFullDeckWhenTheDealWillReshuffle) {
    Rules noSplits = kGame;  // quicker, and the reshuffle does not depend on it
    noSplits.maxSplits = 0;
    const std::vector<int> aces = {A, A, A, A};
    const double fresh = NextHandReturn(noSplits, {}, 0);
    EXPECT_DOUBLE_EQ(NextHandReturn(noSplits, aces, 33), fresh);
    // No ace left, no blackjack: the player does worse.
    EXPECT_LT(NextHandReturn(noSplits, aces, 32), fresh - 0.04);
}

TEST(Coach, RefusesSituationsThatCannotArise) {
    EXPECT_THROW(Evaluate(kGame, Hand({10, 12}, 5)), std::invalid_argument);
    EXPECT_THROW(Evaluate(kGame, Hand({10, 6}, 0)), std::invalid_argument);
    EXPECT_THROW(Evaluate(kGame, Hand({A, 5}, 9, {A, A, A, A})), std::invalid_argument);
    EXPECT_THROW(Evaluate(kGame, Hand({10}, 9)), std::invalid_argument);
    EXPECT_THROW(Evaluate(kGame, Hand({10, 6, 9}, 9)), std::invalid_argument);       // over 21
    EXPECT_THROW(Evaluate(kGame, Hand({2, 2, 3, 3, 4}, 9)), std::invalid_argument);  // won
    Situation splits = Hand({8, 8}, 9);
    splits.splitsMade = 4;
    EXPECT_THROW(Evaluate(kGame, splits), std::invalid_argument);
    EXPECT_THROW(NextHandReturn(kGame, {5, 5, 5, 5, 5}, 10), std::invalid_argument);
}

}  // namespace
}  // namespace game::coach::test
