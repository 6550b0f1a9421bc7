#include "game/shell/Stakes.h"

#include <string>

#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

void LoadStakes(Game& game) {
    Guarded(game, Report::ShowError, " LoadStakes()", [&] {
        StopSpeech(game);
        GameScreenForm& screen = game.GameScreen;
        screen.frameStakes.SetVisible(true);
        screen.lstStakes.ClearItems();
        for (int thousands = 1; thousands <= 10; ++thousands) {
            screen.lstStakes.AddItem("$" + std::to_string(thousands * 1000));
        }
        screen.lstStakes.SetListIndex(0);
        screen.lstStakes.SetFocus();
    });
}

}  // namespace game
