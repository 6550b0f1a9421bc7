#include "game/shell/GameScreen.h"

#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/OptionsMenu.h"
#include "game/shell/StatisticsKeeping.h"

namespace game {

void Form_Load(Game& game) {
    // Control hosting creates the wave control as the window loads; without it the game still
    // runs, and each sound reports why.
    game.sonivel.Create();
    LoadOptions(game);
    LoadStatistics(game);
    game.backend.SetTitle("");
    // The help document (an HTML page) keeps the backslash of the game's paths; the path layer
    // reads it as a folder separator.
    game.backend.SetHelpFile(game.backend.ProgramFolder().string() + "\\ventra.html");
    game.GameScreen.Sonivel1.SetVisible(false);
}

void Form_GotFocus(Game& game) {
    Guarded(game, Report::ShowError, " Form_GotFocus()", [&] { StopSpeech(game); });
}

void Player1Show(Game& game) {
    Guarded(game, Report::ShowError, " Player1Show()",
            [&] { game.GameScreen.frameGameScreen.SetVisible(true); });
}

void Player1Hide(Game& game) {
    Guarded(game, Report::ShowError, " Player1Hide()",
            [&] { game.GameScreen.frameGameScreen.SetVisible(false); });
}

}  // namespace game
