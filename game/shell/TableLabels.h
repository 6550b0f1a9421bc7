// The table's two money labels: the stakes (shown from the first deal on) and the bet of the hand.
#pragma once

namespace game {

struct Game;

// Shows lblStakes as "Stakes=$" and the stakes.
void StakesShow(Game& game);
// Shows lblBet as "Bet=$" and the bet.
void BetShow(Game& game);
// Hides lblBet once the hand is settled.
void BetHide(Game& game);

}  // namespace game
