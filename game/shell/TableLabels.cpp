#include "game/shell/TableLabels.h"

#include <string>

#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

void StakesShow(Game& game) {
    Guarded(game, Report::ShowError, " StakesShow()", [&] {
        game.GameScreen.lblStakes.SetVisible(true);
        game.GameScreen.lblStakes.SetCaption("Stakes=$" + std::to_string(game.state.Stakes));
    });
}

void BetShow(Game& game) {
    Guarded(game, Report::ShowError, " BetShow()", [&] {
        game.GameScreen.lblBet.SetVisible(true);
        game.GameScreen.lblBet.SetCaption("Bet=$" + std::to_string(game.state.Bet));
    });
}

void BetHide(Game& game) {
    Guarded(game, Report::ShowError, " BetHide()",
            [&] { game.GameScreen.lblBet.SetVisible(false); });
}

}  // namespace game
