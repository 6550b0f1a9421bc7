#include "game/cards/HandValues.h"

namespace game {

rules::HandValue PlayerHandValue(const GameState& state) {
    return HandValueOf(state.PlayerCardValues, state.PlayerCardCount, state.PlayerTotal);
}

rules::HandValue DealerHandValue(const GameState& state) {
    return HandValueOf(state.DealerCardValues, state.DealerCardCount, state.DealerTotal);
}

}  // namespace game
