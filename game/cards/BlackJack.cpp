#include "game/cards/BlackJack.h"

#include "game/shell/Game.h"

namespace game {

bool PlayerBlackJack(const Game& game) {
    return game.state.PlayerTotal == 21 && game.state.PlayerCardCount == 2;
}

bool DealerBlackJack(const Game& game) {
    return game.state.DealerTotal == 21 && game.state.DealerCardCount == 2;
}

}  // namespace game
