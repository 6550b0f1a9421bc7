#include "game/shell/GameMenu.h"

#include <string>

#include "game/access/ScreenReader.h"
#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"
#include "game/shell/StartUp.h"
#include "game/shell/Text.h"

namespace game {

namespace {

// While a hand is in play, asks whether to leave it; true when there is nothing to lose or the
// player answered Yes.
bool ConfirmLeavingHand(Game& game, std::string title, std::string_view question) {
    if (!game.state.GameInProgress) {
        return true;
    }
    std::string text = "There is currently a game in progress. ";
    text.append(kLineBreak).append(question).append(kLineBreak);
    return AskYesNo(game, std::move(title), std::move(text));
}

constexpr std::string_view kExitQuestion = "Are you shure you want to exit this game?";

// Lets go of the Window-Eyes voice and ends the program at once (the back end throws
// ui::ProgramEnded).
void EndProgram(Game& game) {
    ReleaseWESpeech(game);
    game.backend.End();
}

}  // namespace

void mnuGameNew_Click(Game& game) {
    Guarded(game, Report::ShowError, "mnuGameNew_Click()", [&] {
        if (!ConfirmLeavingHand(game, "New Game", "Are you shure you want to start a new game?")) {
            return;
        }
        GameScreenForm& screen = game.GameScreen;
        for (ui::Control* frame : {&screen.frameGameScreen, &screen.frameBet, &screen.frameStakes,
                                   &screen.frameResults}) {
            frame->SetVisible(false);
        }
        StopSpeech(game);
        Delay(game, 3);
        Speak(game, "Press F2 for help. ");
        Delay(game, 7);
        BeginGame(game);
    });
}

void mnuGameExit_Click(Game& game) {
    Guarded(game, Report::ShowError, "mnuGameExit_Click()", [&] {
        if (!ConfirmLeavingHand(game, "Exit Game", kExitQuestion)) {
            StopSpeech(game);
            Delay(game, 3);
            return;
        }
        EndProgram(game);
    });
}

void Form_Unload(Game& game, bool& cancel) {
    Guarded(game, Report::ShowError, "Form_Unload()", [&] {
        if (!ConfirmLeavingHand(game, "Exit Game", kExitQuestion)) {
            cancel = true;
            return;
        }
        EndProgram(game);
    });
}

}  // namespace game
