// What the coach says: the best play and by how much, the figures of every play, the warning
// after a costly play and the worth of the next hand. Values are per dollar of the hand's bet, as
// the engine gives them; the texts speak them in cents.
#pragma once

#include <string>

#include "game/coach/Coach.h"

namespace game {

// A play that gives up more than this, per dollar, against the best play earns a warning.
inline constexpr double kWarningCost = 0.02;

// "Best: stay. Stay wins 4 cents a dollar more than hit." and its cases: a single open play, plays
// equal to the cent, a best play that still loses; then insurance when it is worth taking.
std::string BestPlayText(const coach::PlayValues& values);

// Every open play with its value, best first, then insurance when it is offered.
std::string FiguresText(const coach::PlayValues& values);

// The sentence after `chosen` when it gives up more than kWarningCost against the best play;
// empty otherwise (or when the values have no figure for it).
std::string WarningText(const coach::PlayValues& values, coach::Play chosen);

// The bet window's hint: the next hand's expected return per dollar, played at its best.
std::string NextHandText(double value);

}  // namespace game
