// The results texts of settled hands, shared by ordinary and split hands. Each outcome text is an
// opening (what happened and the money) and an account of the cards: an ordinary hand puts its
// insurance report between the two, a split hand has none of its own. Every text reads the
// current hand (a split hand is loaded into it first) and the dealer's.
#pragma once

#include <string>
#include <string_view>

#include "game/rules/HandValue.h"
#include "game/rules/Settlement.h"
#include "game/shell/GameState.h"

namespace game {

// The text followed by a line break.
std::string Line(std::string_view text);
// "$" and the amount in decimal digits.
std::string Dollars(Int32 amount);
// The trimmed name of each card from slot 1 to `count`, each on its own line.
std::string CardList(const CheckedArray<CardName, 21>& names, Int16 count);

// A hand ended by the player's own card (a five-card win or a total over 21): "You drew the "
// and the card, what it did, and the bet won or lost.
std::string PlayerCardOpening(const GameState& state, rules::AfterCard ending);
// The player's cards and total.
std::string PlayerCardAccount(const GameState& state);

// A hand settled against the dealer's final hand: what decided it and what it means for the bet.
// A split hand reads as the ordinary hand of the same row.
std::string SettlementOpening(const GameState& state, rules::Settlement settlement);
std::string SettlementOpening(const GameState& state, rules::SplitSettlement settlement);
// The cards of the hands that decided it: the dealer's after a bust, otherwise both hands, after
// the two scores when the totals differ.
std::string SettlementAccount(const GameState& state, rules::Settlement settlement);
std::string SettlementAccount(const GameState& state, rules::SplitSettlement settlement);

}  // namespace game
