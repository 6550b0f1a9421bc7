// Whether the player may hit, double down, split or take insurance now, and if not, why: each
// check names the first rule the request breaks, in the order the table tests them.
#pragma once

#include "game/rules/Rules.h"
#include "game/rules/Settlement.h"

namespace game::rules {

enum class HitRefusal { None, SplitAces };

struct HitRequest {
    bool acesSplit = false;  // a pair of aces was split in this deal
};

HitRefusal CheckHit(const HitRequest& request, const Rules& rules);

enum class DoubleRefusal {
    None,
    AfterSplit,
    SplitAces,  // a split ace takes its one card and no more
    NotTwoCards,
    AlreadyDoubled,
    HandNotAllowed,   // the table does not let this total double, or has no double down
    NotEnoughStakes,  // the stakes cannot cover the bet again
};

struct DoubleRequest {
    bool splitInProgress = false;
    bool acesSplit = false;
    int cardCount = 2;
    bool doubledDown = false;
    int total = 0;
    Money stakes = 0;  // what is left after the bet was taken
    Money bet = 0;
};

DoubleRefusal CheckDouble(const DoubleRequest& request, const Rules& rules);

enum class SplitRefusal {
    None,
    NotTwoCards,
    NotSameValue,
    TooManySplits,
    AcesNotResplit,
    StakesTooLow,
};

struct SplitRequest {
    int cardCount = 2;
    int firstValue = 0;  // the values of the hand's two cards as the ace rule left them
    int secondValue = 0;
    int splitCount = 0;      // splits made in this deal
    bool acesSplit = false;  // a pair of aces was split in this deal
    Money stakes = 0;
    Money bet = 0;
};

SplitRefusal CheckSplit(const SplitRequest& request, const Rules& rules);

enum class InsuranceRefusal {
    None,
    NotAvailable,  // no ace showing, or the player has drawn a third card
    AlreadyTaken,
    NothingToStake,  // half the bet rounds down to nothing: refused without a word
    NotEnoughMoney,  // the stakes would not keep a dollar after the insurance bet
};

struct InsuranceRequest {
    bool available = false;  // the dealer showed an ace at the deal
    int cardCount = 2;
    bool taken = false;
    Money insuranceStake = 0;
    Money stakes = 0;
};

InsuranceRefusal CheckInsurance(const InsuranceRequest& request);

}  // namespace game::rules
