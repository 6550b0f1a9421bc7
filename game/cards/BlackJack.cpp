#include "game/cards/BlackJack.h"

#include "game/cards/HandValues.h"
#include "game/shell/Game.h"

namespace game {

bool PlayerBlackJack(const Game& game) {
    return rules::IsBlackjack(PlayerHandValue(game.state), rules::HandKind::Ordinary);
}

bool DealerBlackJack(const Game& game) {
    return rules::IsBlackjack(DealerHandValue(game.state), rules::HandKind::Ordinary);
}

}  // namespace game
