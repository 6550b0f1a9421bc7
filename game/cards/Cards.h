// Card numbers and what they mean: 1 to 52 are four suits of thirteen (spades, diamonds, clubs,
// hearts; ace first, king last); any other number is no card.
#pragma once

#include <string>
#include <string_view>

#include "game/shell/Checked.h"

namespace game {

// The card's name, such as "Ace of Spades" or "10 of Hearts"; empty for a number outside 1 to 52.
std::string GetCardString(Int16 card);

// The number of the card of that name (trailing spaces allowed); throws GameError for a name that
// no card has.
Int16 CardNumberOf(std::string_view name);

// The card's blackjack value: an ace 11, a court card 10, any other its rank; 0 for a number
// outside 1 to 52.
Int16 GetCardValue(Int16 card);

}  // namespace game
