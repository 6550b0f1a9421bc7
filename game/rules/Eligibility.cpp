#include "game/rules/Eligibility.h"

#include "game/rules/HandValue.h"

namespace game::rules {

namespace {

bool TableLetsDouble(int total, const Rules& rules) {
    switch (rules.doubleRule) {
        case DoubleRule::AnyTwoCards:
            return true;
        case DoubleRule::NineToEleven:
            return total >= 9 && total <= 11;
        case DoubleRule::None:
            return false;
    }
    return false;
}

}  // namespace

HitRefusal CheckHit(const HitRequest& request, const Rules& rules) {
    if (request.acesSplit && rules.hitSplitAces == HitSplitAces::NotAllowed) {
        return HitRefusal::SplitAces;
    }
    return HitRefusal::None;
}

DoubleRefusal CheckDouble(const DoubleRequest& request, const Rules& rules) {
    if (request.splitInProgress && rules.doubleAfterSplit == DoubleAfterSplit::NotAllowed) {
        return DoubleRefusal::AfterSplit;
    }
    if (request.acesSplit && rules.hitSplitAces == HitSplitAces::NotAllowed) {
        return DoubleRefusal::SplitAces;
    }
    if (request.cardCount > 2) {
        return DoubleRefusal::NotTwoCards;
    }
    if (request.doubledDown) {
        return DoubleRefusal::AlreadyDoubled;
    }
    if (!TableLetsDouble(request.total, rules)) {
        return DoubleRefusal::HandNotAllowed;
    }
    if (request.stakes - request.bet < 0) {
        return DoubleRefusal::NotEnoughStakes;
    }
    return DoubleRefusal::None;
}

SplitRefusal CheckSplit(const SplitRequest& request, const Rules& rules) {
    if (request.cardCount > 2) {
        return SplitRefusal::NotTwoCards;
    }
    if (!SameValue(request.firstValue, request.secondValue)) {
        return SplitRefusal::NotSameValue;
    }
    if (request.splitCount >= rules.maxSplits) {
        return SplitRefusal::TooManySplits;
    }
    if (request.acesSplit && IsAce(request.firstValue) &&
        rules.resplitAces == ResplitAces::NotAllowed) {
        return SplitRefusal::AcesNotResplit;
    }
    if (request.stakes - request.bet < 0) {
        return SplitRefusal::StakesTooLow;
    }
    return SplitRefusal::None;
}

InsuranceRefusal CheckInsurance(const InsuranceRequest& request) {
    if (!request.available || request.cardCount > 2) {
        return InsuranceRefusal::NotAvailable;
    }
    if (request.taken) {
        return InsuranceRefusal::AlreadyTaken;
    }
    if (request.insuranceStake <= 0) {
        return InsuranceRefusal::NothingToStake;
    }
    if (request.stakes - request.insuranceStake <= 0) {
        return InsuranceRefusal::NotEnoughMoney;
    }
    return InsuranceRefusal::None;
}

}  // namespace game::rules
