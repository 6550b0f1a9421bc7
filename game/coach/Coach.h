// The coach's engine: the expected return of each play open to the player, worked out exactly
// from the cards the player has not seen, under a table's rules.
//
// Cards are given by their blackjack values as the game keeps them: 2 to 10 (court cards 10) and
// an ace as 11 (or 1 once the ace rule has lowered it). Suits do not matter.
//
// What the player knows is all the engine uses: the hand's cards, the dealer's face-up card and
// every other card seen face up since the last shuffle. The face-down card and the order of the
// deck are never looked at; every unseen card is equally likely to come next. When the unseen
// cards run out (only possible after several splits of small cards) the player may not draw and
// the dealer stands on what it has.
//
// Values are expected gains per unit of the hand's bet (+1 is winning the bet, -1 losing it). A
// double counts the doubled bet and a split all the hands it makes, each carrying one bet. Where
// the dealer peeks (other tables), values are given for after the peek: the dealer has no
// blackjack. Values without a split are exact; a split uses the approximation described in
// Solver.h: each split hand is valued with only the pair cards of the hands split so far gone.
//
//     const coach::PlayValues values = coach::Evaluate(rules::Rules{}, situation);
//     const coach::Play best = coach::BestPlay(values);
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "game/rules/Rules.h"

namespace game::coach {

struct Situation {
    std::vector<int> playerCards;     // the hand in play, in the order dealt
    int dealerUpCard = 0;             // the dealer's face-up card
    std::vector<int> otherCardsSeen;  // every other card seen face up since the last shuffle
    int splitsMade = 0;               // splits of this deal so far; the hand is a split hand then
    bool insuranceTaken = false;

    bool operator==(const Situation&) const = default;
};

enum class Play { Stay, Hit, DoubleDown, Split };

// The value of each play open to the hand; a play the rules refuse has no value. Insurance is a
// side bet on top of whichever play: its value is per unit of the main bet, for an insurance bet
// of exactly half of it (the table rounds an odd bet's half down), and is given only while the
// two opening cards of an unsplit hand are in play. At this table it pays even money, so it is
// worth taking only when the face-down card is more likely than not to make a blackjack.
struct PlayValues {
    double stay = 0.0;
    std::optional<double> hit;
    std::optional<double> doubleDown;
    std::optional<double> split;
    std::optional<double> insurance;

    std::optional<double> ValueOf(Play play) const;
};

// The values of the plays open to the situation's hand. Throws std::invalid_argument for a
// situation that cannot arise: an unknown card value, more cards of a value than the shoe holds,
// fewer than two cards in hand, or a hand already over 21 or won by five cards.
PlayValues Evaluate(const rules::Rules& rules, const Situation& situation);

// The play's name as the coach says it: "stay", "hit", "double down" or "split".
std::string_view PlayName(Play play);

// The play with the highest value; of equal values the first in the order stay, hit, double,
// split.
Play BestPlay(const PlayValues& values);

// The expected return per unit bet of the next hand dealt, played at its best (insurance taken
// when it is worth it). `seenCards` are the cards seen face up since the last shuffle and
// `cardsDealt` how many cards have been dealt since it; a deal that will reshuffle first starts
// from a full shoe.
double NextHandReturn(const rules::Rules& rules, const std::vector<int>& seenCards, int cardsDealt);

}  // namespace game::coach
