// Insurance: a side bet of half the bet, offered when the dealer shows an ace, that wins even
// money when the dealer has a blackjack.
#pragma once

#include <string>

#include "game/rules/Eligibility.h"

namespace game {

struct Game;
struct GameState;

// After the deal: makes insurance available (and says so) when the dealer's face-up card is an ace.
void CheckForInsurance(Game& game);
// The Insurance command.
void btnInsurance_Click(Game& game);
// An insurance bet asked for now, as the rules check it.
rules::InsuranceRequest InsuranceRequestOf(const GameState& state);
// Refuses an insurance bet the rules do not allow now (silently when half the bet is nothing),
// otherwise explains the side bet and takes it on Yes.
void DoYouWantInsurance(Game& game);
// Settles the side bet at the end of the hand and gives its report (empty without a side bet).
// Each hand's settlement calls it exactly once.
std::string Insurance(Game& game);

}  // namespace game
