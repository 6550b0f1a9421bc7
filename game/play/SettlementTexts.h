// The results texts of settled hands, shared by ordinary and split hands. Each outcome text is an
// opening (what happened and the money) and an account of the cards: an ordinary hand puts its
// insurance report between the two, a split hand has none of its own. Every text reads the
// current hand (a split hand is loaded into it first) and the dealer's.
#pragma once

#include <string>
#include <string_view>

#include "game/play/SettlementRules.h"
#include "game/shell/GameState.h"

namespace game {

// The text followed by a line break.
std::string Line(std::string_view text);
// "$" and the amount in decimal digits.
std::string Dollars(Int32 amount);
// The trimmed name of each card from slot 1 to `count`, each on its own line.
std::string CardList(const CheckedArray<CardName, 21>& names, Int16 count);

// What the player's own last card did: a fifth card at 21 or less, or a total over 21.
enum class PlayerCardEnding { FiveCards, Bust };

// "You drew the " and the card, what it did, and the bet won or lost.
std::string PlayerCardOpening(const GameState& state, PlayerCardEnding ending);
// The player's cards and total.
std::string PlayerCardAccount(const GameState& state);

// The card that put the dealer over 21 and the player's winnings.
std::string DealerBustOpening(const GameState& state, bool playerBlackJack);
// The dealer's cards and total.
std::string DealerBustAccount(const GameState& state);

// How the totals compared and what it means for the bet.
std::string ShowdownOpening(const GameState& state, Showdown showdown);
// Both hands' cards, after the two scores when the totals differ.
std::string ShowdownAccount(const GameState& state, Showdown showdown);

}  // namespace game
