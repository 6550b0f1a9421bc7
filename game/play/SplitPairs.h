// Splitting a pair: the command, its checks and question, and the split state that every deal
// clears.
#pragma once

#include <optional>
#include <string>

#include "game/rules/Eligibility.h"

namespace game {

struct Game;
struct GameState;

// The Split Pair command.
void btnSplit_Click(Game& game);
// Refuses a split that the hand does not allow, with the first check that fails; otherwise asks,
// and on Yes splits the pair and deals the first hand its second card.
void SplitPairs(Game& game);
// A split asked for now, as the rules check it.
rules::SplitRequest SplitRequestOf(const GameState& state);
// Why the hand cannot be split now, or nothing when it can.
std::optional<std::string> SplitRefusal(const GameState& state);
// Clears the split state and the split hands, for a new deal.
void SetSplitVars(Game& game);

}  // namespace game
