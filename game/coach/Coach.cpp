#include "game/coach/Coach.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

#include "game/coach/Shoe.h"
#include "game/coach/Solver.h"
#include "game/rules/HandValue.h"
#include "game/rules/Settlement.h"

namespace game::coach {

using namespace rules;  // the engine is written in the rules' own terms

namespace {

// Insurance stakes half the bet: per unit of the main bet it is worth half its own return.
double InsuranceValue(double blackjackChance, const Rules& rules) {
    return 0.5 * InsuranceNetReturn(blackjackChance, rules);
}

std::vector<int> RanksOf(const std::vector<int>& cardValues) {
    std::vector<int> ranks;
    ranks.reserve(cardValues.size());
    for (const int value : cardValues) {
        ranks.push_back(RankOf(value));
    }
    return ranks;
}

// What an opening hand of `first` and `second` is worth when it is dealt, played at its best,
// with insurance taken when it is worth it.
double OpeningHandValue(Solver& solver, const Rules& rules, int up, int first, int second) {
    const std::vector<int> hand{first, second};
    const PlayOptions options = solver.Plays(hand, 0, false);
    double best = options.stay;
    for (const auto& value : {options.hit, options.doubleDown, options.split}) {
        if (value && *value > best) {
            best = *value;
        }
    }
    const bool blackjack = IsBlackjack(ValueOf(std::array{ValueOfRank(first), ValueOfRank(second)}),
                                       HandKind::Ordinary);
    double value = solver.BeforePeek(best, hand, blackjack);
    if (InsuranceOffered(ValueOfRank(up), rules)) {
        Drawn drawn;
        drawn.Add(first);
        drawn.Add(second);
        value += std::max(0.0, InsuranceValue(solver.DealerBlackjackChance(drawn), rules));
    }
    return value;
}

// The expected return of a hand against the dealer card `up`, over every opening hand.
double AgainstUpCard(const Rules& rules, const Shoe& shoe, int up) {
    Shoe unseen = shoe;
    unseen.RemoveRank(up);
    Solver solver(rules, unseen, up);
    double total = 0.0;
    for (int first = 1; first <= kRanks; ++first) {
        Drawn drawn;
        const double firstChance = unseen.Chance(first, drawn.Counts(), drawn.Total());
        if (firstChance == 0.0) {
            continue;
        }
        drawn.Add(first);
        // Each pair of different ranks comes in two orders with the same chance.
        for (int second = first; second <= kRanks; ++second) {
            const double secondChance = unseen.Chance(second, drawn.Counts(), drawn.Total()) *
                                        (second == first ? 1.0 : 2.0);
            if (secondChance > 0.0) {
                total +=
                    firstChance * secondChance * OpeningHandValue(solver, rules, up, first, second);
            }
        }
    }
    return total;
}

}  // namespace

std::optional<double> PlayValues::ValueOf(Play play) const {
    switch (play) {
        case Play::Stay:
            return stay;
        case Play::Hit:
            return hit;
        case Play::DoubleDown:
            return doubleDown;
        case Play::Split:
            return split;
    }
    return std::nullopt;
}

PlayValues Evaluate(const Rules& rules, const Situation& situation) {
    const int upRank = RankOf(situation.dealerUpCard);
    Shoe beforeHand = Shoe::Full(rules.decks);
    beforeHand.Remove(situation.otherCardsSeen);
    beforeHand.RemoveRank(upRank);
    // The solver takes the hand's cards out itself; this only checks that the shoe held them.
    Shoe(beforeHand).Remove(situation.playerCards);
    const std::vector<int> hand = RanksOf(situation.playerCards);
    if (situation.splitsMade < 0 || situation.splitsMade > rules.maxSplits) {
        throw std::invalid_argument("a deal cannot have " + std::to_string(situation.splitsMade) +
                                    " splits under these rules");
    }
    Solver solver(rules, beforeHand, upRank);
    const bool acesSplit = situation.splitsMade > 0 && hand.front() == kAce;
    const PlayOptions options = solver.Plays(hand, situation.splitsMade, acesSplit);
    const auto conditional = [&](const std::optional<double>& value) -> std::optional<double> {
        if (!value) {
            return std::nullopt;
        }
        return solver.Conditional(*value, hand);
    };
    PlayValues values;
    values.stay = *conditional(options.stay);
    values.hit = conditional(options.hit);
    values.doubleDown = conditional(options.doubleDown);
    values.split = conditional(options.split);
    if (InsuranceOffered(situation.dealerUpCard, rules) && situation.splitsMade == 0 &&
        hand.size() == 2 && !situation.insuranceTaken) {
        Drawn drawn;
        for (const int rank : hand) {
            drawn.Add(rank);
        }
        values.insurance = InsuranceValue(solver.DealerBlackjackChance(drawn), rules);
    }
    return values;
}

std::string_view PlayName(Play play) {
    switch (play) {
        case Play::Stay:
            return "stay";
        case Play::Hit:
            return "hit";
        case Play::DoubleDown:
            return "double down";
        case Play::Split:
            return "split";
    }
    return "";
}

Play BestPlay(const PlayValues& values) {
    Play best = Play::Stay;
    for (const Play play : {Play::Hit, Play::DoubleDown, Play::Split}) {
        const std::optional<double> value = values.ValueOf(play);
        if (value && *value > *values.ValueOf(best)) {
            best = play;
        }
    }
    return best;
}

double NextHandReturn(const Rules& rules, const std::vector<int>& seenCards, int cardsDealt) {
    Shoe shoe = Shoe::Full(rules.decks);
    if (cardsDealt <= rules.reshuffleAfter) {
        shoe.Remove(seenCards);
    }
    const Drawn nothing;
    double total = 0.0;
    for (int up = 1; up <= kRanks; ++up) {
        const double upChance = shoe.Chance(up, nothing.Counts(), nothing.Total());
        if (upChance > 0.0) {
            total += upChance * AgainstUpCard(rules, shoe, up);
        }
    }
    return total;
}

}  // namespace game::coach
