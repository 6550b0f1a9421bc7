// Every refusal of hit, double down, split and insurance, and the order in which the checks are
// made when a request breaks more than one rule.
#include <gtest/gtest.h>

#include "game/rules/Eligibility.h"

namespace game::rules::test {
namespace {

constexpr int A = kAceValue;

TEST(Eligibility, HitIsRefusedOnlyAfterSplittingAces) {
    const Rules game;
    EXPECT_EQ(CheckHit(HitRequest{false}, game), HitRefusal::None);
    EXPECT_EQ(CheckHit(HitRequest{true}, game), HitRefusal::SplitAces);
    Rules drawToAces;
    drawToAces.hitSplitAces = HitSplitAces::Allowed;
    EXPECT_EQ(CheckHit(HitRequest{true}, drawToAces), HitRefusal::None);
}

DoubleRequest TwoCards(Money stakes, Money bet) {
    DoubleRequest request;
    request.total = 11;
    request.stakes = stakes;
    request.bet = bet;
    return request;
}

TEST(Eligibility, DoubleDownRefusals) {
    const Rules game;
    EXPECT_EQ(CheckDouble(TwoCards(500, 100), game), DoubleRefusal::None);
    EXPECT_EQ(CheckDouble(TwoCards(100, 100), game), DoubleRefusal::None);  // stakes go to 0
    EXPECT_EQ(CheckDouble(TwoCards(99, 100), game), DoubleRefusal::NotEnoughStakes);
    DoubleRequest request = TwoCards(500, 100);
    request.cardCount = 3;
    EXPECT_EQ(CheckDouble(request, game), DoubleRefusal::NotTwoCards);
    request = TwoCards(500, 100);
    request.doubledDown = true;
    EXPECT_EQ(CheckDouble(request, game), DoubleRefusal::AlreadyDoubled);
    request = TwoCards(0, 100);
    request.splitInProgress = true;
    request.cardCount = 3;
    EXPECT_EQ(CheckDouble(request, game), DoubleRefusal::AfterSplit);  // tested first
}

TEST(Eligibility, DoubleDownUnderOtherTables) {
    Rules nineToEleven;
    nineToEleven.doubleRule = DoubleRule::NineToEleven;
    DoubleRequest request = TwoCards(500, 100);
    for (const int total : {9, 10, 11}) {
        request.total = total;
        EXPECT_EQ(CheckDouble(request, nineToEleven), DoubleRefusal::None) << total;
    }
    for (const int total : {8, 12, 18}) {
        request.total = total;
        EXPECT_EQ(CheckDouble(request, nineToEleven), DoubleRefusal::HandNotAllowed) << total;
    }
    Rules never;
    never.doubleRule = DoubleRule::None;
    EXPECT_EQ(CheckDouble(TwoCards(500, 100), never), DoubleRefusal::HandNotAllowed);
    Rules afterSplit;
    afterSplit.doubleAfterSplit = DoubleAfterSplit::Allowed;
    request = TwoCards(500, 100);
    request.splitInProgress = true;
    EXPECT_EQ(CheckDouble(request, afterSplit), DoubleRefusal::None);
    request.acesSplit = true;
    EXPECT_EQ(CheckDouble(request, afterSplit), DoubleRefusal::SplitAces);
}

SplitRequest Pair(int first, int second) {
    SplitRequest request;
    request.firstValue = first;
    request.secondValue = second;
    request.stakes = 500;
    request.bet = 100;
    return request;
}

TEST(Eligibility, SplitRefusals) {
    const Rules game;
    EXPECT_EQ(CheckSplit(Pair(8, 8), game), SplitRefusal::None);
    EXPECT_EQ(CheckSplit(Pair(10, 10), game), SplitRefusal::None);  // a king and a queen
    EXPECT_EQ(CheckSplit(Pair(A, 1), game), SplitRefusal::None);    // the second ace lowered
    EXPECT_EQ(CheckSplit(Pair(7, 8), game), SplitRefusal::NotSameValue);
    SplitRequest request = Pair(8, 8);
    request.cardCount = 3;
    EXPECT_EQ(CheckSplit(request, game), SplitRefusal::NotTwoCards);
    request = Pair(8, 8);
    request.splitCount = 2;
    EXPECT_EQ(CheckSplit(request, game), SplitRefusal::None);
    request.splitCount = 3;
    EXPECT_EQ(CheckSplit(request, game), SplitRefusal::TooManySplits);
    request = Pair(8, 8);
    request.stakes = 100;
    EXPECT_EQ(CheckSplit(request, game), SplitRefusal::None);  // stakes go to 0
    request.stakes = 99;
    EXPECT_EQ(CheckSplit(request, game), SplitRefusal::StakesTooLow);
    request = Pair(A, 1);
    request.splitCount = 1;
    request.acesSplit = true;
    EXPECT_EQ(CheckSplit(request, game), SplitRefusal::None);  // aces split again here
    Rules noAceResplit;
    noAceResplit.resplitAces = ResplitAces::NotAllowed;
    EXPECT_EQ(CheckSplit(request, noAceResplit), SplitRefusal::AcesNotResplit);
}

InsuranceRequest Offered(Money stakes, Money bet) {
    InsuranceRequest request;
    request.available = true;
    request.insuranceStake = InsuranceStake(bet);
    request.stakes = stakes;
    return request;
}

TEST(Eligibility, InsuranceRefusals) {
    EXPECT_EQ(CheckInsurance(Offered(500, 125)), InsuranceRefusal::None);
    InsuranceRequest request = Offered(500, 125);
    request.available = false;
    EXPECT_EQ(CheckInsurance(request), InsuranceRefusal::NotAvailable);
    request = Offered(500, 125);
    request.cardCount = 3;
    request.taken = true;
    EXPECT_EQ(CheckInsurance(request), InsuranceRefusal::NotAvailable);  // before "taken"
    request = Offered(500, 125);
    request.taken = true;
    EXPECT_EQ(CheckInsurance(request), InsuranceRefusal::AlreadyTaken);
    EXPECT_EQ(CheckInsurance(Offered(500, 1)), InsuranceRefusal::NothingToStake);
    EXPECT_EQ(CheckInsurance(Offered(62, 125)), InsuranceRefusal::NotEnoughMoney);
    EXPECT_EQ(CheckInsurance(Offered(0, 125)), InsuranceRefusal::NotEnoughMoney);
    EXPECT_EQ(CheckInsurance(Offered(63, 125)), InsuranceRefusal::None);  // a dollar remains
}

}  // namespace
}  // namespace game::rules::test
