// The gate of the player's commands on the table (Hit, Stay, Double Down, Split, Insurance): a
// command acts only on a hand in progress and never inside the pause of another command or of
// the deal. Without it a second Stay given while the dealer plays would settle the hand twice.
#pragma once

#include <utility>

#include "game/shell/Game.h"

namespace game {

// Marks a deal or a command as running for as long as it lives.
class PlayBusy {
public:
    explicit PlayBusy(Game& game) : m_game(game), m_wasBusy(std::exchange(game.playBusy, true)) {}
    ~PlayBusy() { m_game.playBusy = m_wasBusy; }
    PlayBusy(const PlayBusy&) = delete;
    PlayBusy& operator=(const PlayBusy&) = delete;

private:
    Game& m_game;
    bool m_wasBusy;
};

// Runs a command's handler when the hand may take a command now; otherwise does nothing at all.
template <class Handler>
void PlayCommand(Game& game, Handler&& handler) {
    if (!game.state.GameInProgress || game.playBusy) {
        return;
    }
    PlayBusy busy(game);
    std::forward<Handler>(handler)();
}

}  // namespace game
