// The ace rule, blackjack, the five-card win and the dealer's drawing rule, by known answers and,
// for the ace rule, against the game's own slot-by-slot statement of it over every hand.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "game/rules/HandValue.h"

namespace game::rules::test {
namespace {

constexpr int A = kAceValue;

struct AceCase {
    std::vector<int> cards;
    int total;
    bool soft;
};

TEST(HandValue, AceRuleKnownAnswers) {
    const std::vector<AceCase> cases = {
        {{A}, 11, true},
        {{A, A}, 12, true},            // the first ace drops, the second stays 11
        {{A, 6}, 17, true},            // soft 17
        {{A, 6, 10}, 17, false},       // the ace drops once the ten would bust the hand
        {{A, A, A, A}, 14, true},      // three aces drop, one still counts 11
        {{A, A, A, A, 7}, 21, true},   // five cards, still soft
        {{A, A, A, A, 8}, 12, false},  // the last soft ace drops too
        {{10, A}, 21, true},
        {{10, 5, A}, 16, false},  // an ace after a stiff counts 1 at once
        {{9, 1}, 20, true},       // a lowered ace (1) is still an ace
        {{10, 10, 2}, 22, false},
        {{7, 8, 9}, 24, false},
        {{2, 3, 4, 5, 6}, 20, false},
    };
    for (const AceCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.cards));
        const HandValue hand = ValueOf(c.cards);
        EXPECT_EQ(hand.total, c.total);
        EXPECT_EQ(hand.Soft(), c.soft);
        EXPECT_EQ(hand.cards, static_cast<int>(c.cards.size()));
    }
}

// The rule as the table states it: every card keeps its value in a slot, an ace 11; after each
// card, slots are scanned from the first and an 11 drops to 1 while the total is 22 or more.
int SlotTotal(const std::vector<int>& cards) {
    std::vector<int> slots;
    int total = 0;
    for (const int card : cards) {
        slots.push_back(card);
        total += card;
        for (int& slot : slots) {
            if (slot == 11 && total >= 22) {
                slot = 1;
                total -= 10;
            }
        }
    }
    return total;
}

void EveryHand(std::vector<int>& cards, int most) {
    if (!cards.empty()) {
        ASSERT_EQ(ValueOf(cards).total, SlotTotal(cards)) << ::testing::PrintToString(cards);
    }
    if (static_cast<int>(cards.size()) == most) {
        return;
    }
    for (int value = 2; value <= A; ++value) {
        cards.push_back(value);
        EveryHand(cards, most);
        cards.pop_back();
    }
}

TEST(HandValue, AceRuleAgreesWithTheSlotRuleForEveryHandOfUpToSixCards) {
    std::vector<int> cards;
    EveryHand(cards, 6);
}

TEST(HandValue, TheAceRuleLowersTheSoftAcesAHandNeedsLowered) {
    // A hand whose aces all still count 11, as a hand is the moment its card is added.
    EXPECT_EQ(ApplyAceRule(HandValue{22, 2, 2}), (HandValue{12, 2, 1}));  // two aces
    EXPECT_EQ(ApplyAceRule(HandValue{33, 3, 3}), (HandValue{13, 3, 1}));  // three aces
    EXPECT_EQ(ApplyAceRule(HandValue{27, 3, 1}), (HandValue{17, 3, 0}));  // ace, six, ten
    EXPECT_EQ(ApplyAceRule(HandValue{21, 2, 1}), (HandValue{21, 2, 1}));  // nothing to lower
    EXPECT_EQ(ApplyAceRule(HandValue{26, 3, 0}), (HandValue{26, 3, 0}));  // no ace left: bust
    EXPECT_EQ(ApplyAceRule(HandValue{36, 4, 1}), (HandValue{26, 4, 0}));  // lowered, still bust
}

TEST(HandValue, RefusesValuesThatNoCardHas) {
    for (const int value : {0, -1, 12, 52}) {
        SCOPED_TRACE(value);
        EXPECT_THROW(AddCard(HandValue{}, value), std::invalid_argument);
    }
}

TEST(HandValue, PairsAreCardsOfEqualValue) {
    EXPECT_TRUE(SameValue(10, 10));  // a king and a queen
    EXPECT_TRUE(SameValue(A, 1));    // an ace the ace rule lowered
    EXPECT_TRUE(SameValue(1, A));
    EXPECT_FALSE(SameValue(7, 8));
    EXPECT_FALSE(SameValue(A, 10));
}

TEST(HandValue, BlackjackIsTwoCardsOf21InAnOrdinaryHand) {
    EXPECT_TRUE(IsBlackjack(ValueOf(std::vector{A, 10}), HandKind::Ordinary));
    EXPECT_TRUE(IsBlackjack(ValueOf(std::vector{10, A}), HandKind::Ordinary));
    EXPECT_FALSE(IsBlackjack(ValueOf(std::vector{A, 10}), HandKind::Split));
    EXPECT_FALSE(IsBlackjack(ValueOf(std::vector{7, 7, 7}), HandKind::Ordinary));
    EXPECT_FALSE(IsBlackjack(ValueOf(std::vector{10, 10}), HandKind::Ordinary));
}

TEST(HandValue, WhatAPlayersCardLeadsTo) {
    const Rules game;
    Rules noFiveCards;
    noFiveCards.fiveCards = FiveCardRule::None;
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{10, 6}), game), AfterCard::PlayOn);
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{10, 6, 6}), game), AfterCard::Bust);
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{2, 3, 2, 4, 10}), game),
              AfterCard::FiveCardWin);  // exactly 21 in five cards
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{2, 3, 2, 4, 2}), game), AfterCard::FiveCardWin);
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{2, 3, 2, 5, 10}), game), AfterCard::Bust);
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{2, 3, 2, 4, 2}), noFiveCards), AfterCard::PlayOn);
    EXPECT_EQ(AfterPlayerCard(ValueOf(std::vector{A, 10}), game), AfterCard::PlayOn);
}

TEST(HandValue, DealerDrawsBelow17AndOnSoft17OnlyWhereItHits) {
    const Rules stands;
    Rules hits;
    hits.soft17 = Soft17::DealerHits;
    EXPECT_TRUE(DealerDraws(ValueOf(std::vector{10, 6}), stands));
    EXPECT_TRUE(DealerDraws(ValueOf(std::vector{A, A}), stands));  // 12
    EXPECT_FALSE(DealerDraws(ValueOf(std::vector{10, 7}), stands));
    EXPECT_FALSE(DealerDraws(ValueOf(std::vector{A, 6}), stands));
    EXPECT_TRUE(DealerDraws(ValueOf(std::vector{A, 6}), hits));
    EXPECT_FALSE(DealerDraws(ValueOf(std::vector{A, 6, 10}), hits));  // hard 17
    EXPECT_FALSE(DealerDraws(ValueOf(std::vector{A, 7}), hits));
    EXPECT_FALSE(DealerDraws(ValueOf(std::vector{10, 6, 8}), stands));  // over 21
}

}  // namespace
}  // namespace game::rules::test
