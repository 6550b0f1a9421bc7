// The expected-value recursion behind the coach: for one dealer face-up card and one set of unseen
// cards, the value of every hand the player can come to, memoised by the hand and the cards it
// has taken out of the unseen ones.
//
// Values are per unit of the hand's bet. Where the dealer peeks, the solver works with the part
// of each value in which the dealer has no blackjack (a blackjack then costs the player the
// original bet whatever was played); Conditional() turns such a value into the expected return
// given that the peek found none, which is what a player deciding after the peek wants.
//
// Splits follow the standard approximation for split hands: each split hand is played, and its
// value taken, as if the only cards gone besides its own were the pair cards that start the hands
// split so far; the cards other split hands drew are not taken into account. Every pair dealt
// to a split hand is split again while the table allows; a split made during a split counts the
// hands made before it against the limit, but not the pairs that hands still waiting for their
// second card may be dealt. Values without a split are exact.
//
// A solver keeps its memos for its whole life and is meant for one thread.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "game/coach/DealerOdds.h"
#include "game/coach/KeyedMemo.h"
#include "game/coach/Shoe.h"
#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"

namespace game::coach {

// The cards taken out of the solver's unseen cards: the player's and those the recursion draws.
class Drawn {
public:
    void Add(int rank);
    void Take(int rank);
    const RankCounts& Counts() const { return m_counts; }
    int Total() const { return m_total; }
    std::uint64_t Key() const { return m_key; }

private:
    RankCounts m_counts{};
    int m_total = 0;
    std::uint64_t m_key = 0;
};

// A hand in the recursion: its value, whether it came from a split, and whether it may draw.
struct PlayerHand {
    rules::HandValue value;
    rules::HandKind kind = rules::HandKind::Ordinary;
    bool mayHit = true;
};

// The values of the plays open to a hand, each per unit of the hand's bet (a split counts all the
// hands it makes, a double the doubled bet).
struct PlayOptions {
    double stay = 0.0;
    std::optional<double> hit;
    std::optional<double> doubleDown;
    std::optional<double> split;
};

class Solver {
public:
    // `unseen`: every card the player has not seen, the dealer's face-down card among them, with
    // the dealer's face-up card `upRank` already taken out.
    Solver(const rules::Rules& rules, const Shoe& unseen, int upRank);

    // The plays open to a hand of `cardRanks` (their dealing order matters only to the ace rule),
    // with the recursion's values. `splitsMade` counts the splits of this deal, `acesSplit` says
    // whether they were of aces; a hand with splits is a split hand.
    PlayOptions Plays(const std::vector<int>& cardRanks, int splitsMade, bool acesSplit);

    // Turns a value of Plays() into the player's expected return: given no dealer blackjack where
    // the dealer peeks, as it is otherwise.
    double Conditional(double value, const std::vector<int>& cardRanks) const;

    // As Conditional(), but before the peek: what the hand is worth when it is dealt.
    double BeforePeek(double value, const std::vector<int>& cardRanks, bool blackjack) const;

    // The chance that the dealer's face-down card makes a blackjack, after the cards in `drawn`.
    double DealerBlackjackChance(const Drawn& drawn) const;

    // Whether hitting is worth more than standing for a hand in the recursion (ties stand).
    bool HitIsBest(const PlayerHand& hand, Drawn& drawn);

private:
    double Stand(const PlayerHand& hand, const Drawn& drawn);
    double Best(const PlayerHand& hand, Drawn& drawn);
    double Hit(const PlayerHand& hand, Drawn& drawn);
    double DoubleDown(const PlayerHand& hand, Drawn& drawn);
    // What comes after one more card: playing on at its best, or standing with the bet doubled.
    enum class Then { PlayOn, StandDoubled };
    double OneCard(const PlayerHand& hand, Drawn& drawn, Then then);
    // One number of hands in a split: the chance that a second card is a pair card, the chance
    // of each other card times the value of the hand it makes, and the value of a pair dealt
    // when no split is left.
    struct SplitStep {
        double pairChance = 0.0;
        double otherValue = 0.0;
        double pairValue = 0.0;
    };
    std::vector<SplitStep> SplitSteps(int pairRank, int handsAfterSplit, int mostHands,
                                      Drawn& drawn);
    double Split(int pairRank, int handsAfterSplit, Drawn& drawn);
    double SplitHandStart(int pairRank, int secondRank, Drawn& drawn);
    double NoBlackjackShare(const Drawn& drawn) const;
    const DealerOdds& OddsFor(const Drawn& drawn);
    // AddCard for a hand of 21 or less, looked up.
    rules::HandValue Grown(const rules::HandValue& hand, int rank) const;
    // Works out together the dealer's odds for `drawn` plus one card of each rank marked in
    // `ranks`, those not known yet: one pass over the dealer's table serves several of them.
    void PrepareOdds(Drawn& drawn, const std::array<bool, kRanks + 1>& ranks);
    bool MayDouble(const PlayerHand& hand) const;
    double Chance(int rank, const Drawn& drawn) const;
    bool MayDraw(const Drawn& drawn) const;

    rules::Rules m_rules;
    Shoe m_unseen;
    int m_upRank;
    DealerTable m_dealer;
    // The net result of a standing hand against each final dealer hand, by the hand's class
    // (ordinary, blackjack, split) and total, with the rules' blackjack payout and peek.
    std::array<std::array<std::array<double, 24>, 22>, 3> m_net{};
    // What a card of each rank makes of each total, hard or soft (an ace still counted 11).
    std::array<std::array<std::array<rules::HandValue, kRanks + 1>, 2>, 22> m_grown{};
    // The dealer's odds by the drawn cards' key, as indices into m_oddsByIndex.
    KeyedMemo<std::uint32_t> m_odds;
    std::vector<DealerOdds> m_oddsByIndex;
    KeyedMemo<double> m_best;
};

}  // namespace game::coach
