#include "game/shell/StartUp.h"

#include "game/access/Coaching.h"
#include "game/access/ScreenReader.h"
#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/GameScreen.h"
#include "game/shell/Stakes.h"

namespace game {

void ProgramEntry(Game& game) {
    game.selfVoicing.LoadStoredMode();
    game.GameScreen.Load();
    game.GameScreen.Show();
    GetScreenReader(game);
    LoadCoachWarns(game);
    // The main window came up before a voice was chosen to tell of it.
    game.selfVoicing.AnnounceWindowWithFocus(game.GameScreen);
    game.GameScreen.tmrBeginGame.SetEnabled(true);
}

void tmrBeginGame_Timer(Game& game) {
    Guarded(game, Report::ShowError, " tmrBeginGame_Timer()", [&] {
        StopSpeech(game);
        Speak(game, "Press f2 for help. ");
        Delay(game, 10);
        BeginGame(game);
        game.GameScreen.tmrBeginGame.SetEnabled(false);
    });
}

void BeginGame(Game& game) {
    Guarded(game, Report::ShowError, " BeginGame()", [&] {
        CancelPendingResults(game);
        game.GameScreen.ShuffleNeeded = true;
        Player1Hide(game);
        LoadStakes(game);
    });
}

void CancelPendingResults(Game& game) {
    GameScreenForm& screen = game.GameScreen;
    screen.tmrPlayerWins.SetEnabled(false);
    screen.tmrDealerWins.SetEnabled(false);
    screen.tmrDraw.SetEnabled(false);
    screen.tmrSplit.SetEnabled(false);
}

}  // namespace game
