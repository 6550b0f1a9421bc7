// The best play of every opening hand against every dealer card, off a full deck, worked out by
// the coach's engine, and the help document's table of them.
#pragma once

#include <string>
#include <string_view>

#include "game/coach/Coach.h"
#include "game/rules/Rules.h"

namespace coachchart {

// The best play (insurance aside) for the opening hand `first`, `second` against the dealer's
// face-up `up`; cards by their blackjack values, an ace 11.
game::coach::Play BestOpeningPlay(const game::rules::Rules& rules, int first, int second, int up);

// The table: a row for every opening hand (hard totals, then an ace with another card, then
// pairs), a column for every dealer card from 2 to the ace.
std::string BestPlaysTable(const game::rules::Rules& rules);

// The line that marks where the table goes in the help document.
inline constexpr std::string_view kTableMarker = "<!-- best-plays-table -->";

// The document with its marker line replaced by `table`; throws std::runtime_error when the
// document has no marker.
std::string FillIn(std::string_view document, std::string_view table);

}  // namespace coachchart
