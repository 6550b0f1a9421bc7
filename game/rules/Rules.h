// The table rules that the rule functions and the expected-value engine follow. A default Rules is
// this game's table; other values describe other tables, so the engine can be checked against
// published results for them.
#pragma once

namespace game::rules {

enum class Soft17 { DealerStands, DealerHits };
enum class FiveCardRule { WinsAtOnce, None };
enum class DoubleRule { AnyTwoCards, NineToEleven, None };
enum class DoubleAfterSplit { Allowed, NotAllowed };
enum class ResplitAces { Allowed, NotAllowed };
enum class HitSplitAces { Allowed, NotAllowed };
// Whether the dealer looks at the hole card when showing an ace or a ten and ends the hand at once
// on a blackjack (so doubled and split bets are never lost to it).
enum class HoleCard { DealerPeeks, NoPeek };
enum class InsuranceRule { Offered, NotOffered };

// A blackjack's win per unit bet, as a fraction: 2 to 1 is {2, 1}, 3 to 2 is {3, 2}.
struct Payout {
    int numerator = 2;
    int denominator = 1;
};

struct Rules {
    static constexpr int kInfiniteDecks = 0;

    int decks = 1;  // kInfiniteDecks: every card is drawn with the same chance whatever was dealt
    // A deal reshuffles first when more cards than this have been dealt since the last shuffle.
    int reshuffleAfter = 32;
    Soft17 soft17 = Soft17::DealerStands;
    Payout blackjackPays{2, 1};
    FiveCardRule fiveCards = FiveCardRule::WinsAtOnce;
    DoubleRule doubleRule = DoubleRule::AnyTwoCards;
    DoubleAfterSplit doubleAfterSplit = DoubleAfterSplit::NotAllowed;
    int maxSplits = 3;  // splits in one deal, so maxSplits + 1 hands at most
    ResplitAces resplitAces = ResplitAces::Allowed;
    HitSplitAces hitSplitAces = HitSplitAces::NotAllowed;
    HoleCard holeCard = HoleCard::NoPeek;
    InsuranceRule insurance = InsuranceRule::Offered;
    Payout insurancePays{1, 1};  // this table pays insurance at even money; most pay 2 to 1
};

// This game's table.
inline constexpr Rules kGameRules{};

// The table most published strategy is worked out for: the dealer stands on soft 17 and peeks,
// blackjack pays 3 to 2 and insurance 2 to 1, no five-card win, double on any two cards but not
// after a split, resplit to four hands except aces, one card to each split ace.
inline Rules UsualTable(int decks) {
    Rules rules;
    rules.decks = decks;
    rules.fiveCards = FiveCardRule::None;
    rules.blackjackPays = {3, 2};
    rules.holeCard = HoleCard::DealerPeeks;
    rules.resplitAces = ResplitAces::NotAllowed;
    rules.insurancePays = {2, 1};
    return rules;
}

}  // namespace game::rules
