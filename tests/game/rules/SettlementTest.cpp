// Every row of the settlement of an ordinary hand and of a split hand, what each result gives
// back to the stakes, and the insurance bet.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "game/rules/Settlement.h"

namespace game::rules::test {
namespace {

constexpr int A = kAceValue;

struct Row {
    std::vector<int> player;
    std::vector<int> dealer;
    Settlement settlement;
    Result result;
};

TEST(Settlement, EveryRowOfAnOrdinaryHand) {
    const std::vector<Row> rows = {
        {{A, 10}, {10, 6, 9}, Settlement::DealerBustPlayerBlackjack, Result::BlackjackWin},
        {{10, 8}, {10, 6, 9}, Settlement::DealerBust, Result::Win},
        {{A, 10}, {10, A}, Settlement::BothBlackjack, Result::Draw},
        {{A, 10}, {7, 7, 7}, Settlement::EqualPlayerBlackjack, Result::BlackjackWin},
        {{7, 7, 7}, {A, 10}, Settlement::EqualDealerBlackjack, Result::Lose},
        {{10, 8}, {9, 9}, Settlement::EqualTotals, Result::Draw},
        {{A, 10}, {10, 10}, Settlement::HigherWithBlackjack, Result::BlackjackWin},
        {{10, 10}, {10, 7}, Settlement::Higher, Result::Win},
        {{10, 6}, {10, 7}, Settlement::Lower, Result::Lose},
        {{10, 10}, {A, 10}, Settlement::Lower, Result::Lose},  // 20 against a blackjack
        {{10, 7}, {A, 6}, Settlement::EqualTotals, Result::Draw},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.player) + " against " +
                     ::testing::PrintToString(row.dealer));
        const Settlement settlement = SettleOrdinary(ValueOf(row.player), ValueOf(row.dealer));
        EXPECT_EQ(settlement, row.settlement);
        EXPECT_EQ(ResultOf(settlement), row.result);
    }
}

struct SplitRow {
    std::vector<int> hand;
    std::vector<int> dealer;
    SplitSettlement settlement;
    Result result;
};

TEST(Settlement, EveryRowOfASplitHandWhichIsNeverABlackjack) {
    const std::vector<SplitRow> rows = {
        {{8, 10}, {10, 6, 9}, SplitSettlement::DealerBust, Result::Win},
        {{A, 10}, {10, A}, SplitSettlement::EqualDealerBlackjack, Result::Lose},
        {{A, 10}, {7, 7, 7}, SplitSettlement::EqualTotals, Result::Draw},
        {{8, 10}, {9, 9}, SplitSettlement::EqualTotals, Result::Draw},
        {{8, 10, 3}, {10, 10}, SplitSettlement::Higher, Result::Win},
        {{A, 10}, {10, 10}, SplitSettlement::Higher, Result::Win},  // paid even money
        {{8, 9}, {10, 8}, SplitSettlement::Lower, Result::Lose},
        {{8, 10}, {A, 10}, SplitSettlement::Lower, Result::Lose},
    };
    for (const SplitRow& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.hand) + " against " +
                     ::testing::PrintToString(row.dealer));
        const SplitSettlement settlement = SettleSplit(ValueOf(row.hand), ValueOf(row.dealer));
        EXPECT_EQ(settlement, row.settlement);
        EXPECT_EQ(ResultOf(settlement), row.result);
    }
}

TEST(Settlement, AHandEndedByThePlayersOwnCard) {
    EXPECT_EQ(ResultOf(AfterCard::FiveCardWin), Result::Win);  // even money, not 2 to 1
    EXPECT_EQ(ResultOf(AfterCard::Bust), Result::Lose);
    EXPECT_THROW(ResultOf(AfterCard::PlayOn), std::invalid_argument);
}

TEST(Settlement, WhatEachResultGivesBack) {
    const Rules game;  // blackjack pays 2 to 1
    EXPECT_EQ(Returned(Result::Lose, 125, game), 0);
    EXPECT_EQ(Returned(Result::Draw, 125, game), 125);
    EXPECT_EQ(Returned(Result::Win, 125, game), 250);
    EXPECT_EQ(Returned(Result::BlackjackWin, 125, game), 375);
    Rules threeToTwo;
    threeToTwo.blackjackPays = {3, 2};
    EXPECT_EQ(Returned(Result::BlackjackWin, 100, threeToTwo), 250);
    EXPECT_EQ(Returned(Result::BlackjackWin, 125, threeToTwo), 312);  // 187.5 rounds down
    EXPECT_EQ(NetReturn(Result::Lose, game), -1.0);
    EXPECT_EQ(NetReturn(Result::Draw, game), 0.0);
    EXPECT_EQ(NetReturn(Result::Win, game), 1.0);
    EXPECT_EQ(NetReturn(Result::BlackjackWin, game), 2.0);
    EXPECT_EQ(NetReturn(Result::BlackjackWin, threeToTwo), 1.5);
    // Beyond the game's 32-bit stakes: the caller narrows, and overflows there.
    EXPECT_EQ(Returned(Result::BlackjackWin, 2147483647, game), 6442450941);
}

TEST(Settlement, InsuranceIsHalfTheBetAndPaysEvenMoneyOnADealerBlackjack) {
    const Rules game;
    EXPECT_TRUE(InsuranceOffered(A, game));
    EXPECT_TRUE(InsuranceOffered(1, game));
    EXPECT_FALSE(InsuranceOffered(10, game));
    Rules none;
    none.insurance = InsuranceRule::NotOffered;
    EXPECT_FALSE(InsuranceOffered(A, none));
    EXPECT_EQ(InsuranceStake(125), 62);
    EXPECT_EQ(InsuranceStake(1), 0);
    EXPECT_EQ(InsuranceStake(1000), 500);
    const HandValue blackjack = ValueOf(std::vector{A, 10});
    EXPECT_EQ(InsuranceReturned(62, blackjack, game), 124);
    EXPECT_EQ(InsuranceReturned(62, ValueOf(std::vector{A, 9}), game), 0);
    EXPECT_EQ(InsuranceReturned(62, ValueOf(std::vector{A, 5, 5}), game), 0);  // 21, 3 cards
    Rules twoToOne;
    twoToOne.insurancePays = {2, 1};
    EXPECT_EQ(InsuranceReturned(62, blackjack, twoToOne), 186);
    EXPECT_DOUBLE_EQ(InsuranceNetReturn(0.5, game), 0.0);
    EXPECT_DOUBLE_EQ(InsuranceNetReturn(0.25, game), -0.5);
    EXPECT_NEAR(InsuranceNetReturn(1.0 / 3.0, twoToOne), 0.0, 1e-15);
}

}  // namespace
}  // namespace game::rules::test
