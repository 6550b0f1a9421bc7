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

// Marks a New Game as under way for as long as it lives.
class NewGameRunning {
public:
    explicit NewGameRunning(Game& game) : m_game(game) { m_game.newGameRunning = true; }
    ~NewGameRunning() { m_game.newGameRunning = false; }
    NewGameRunning(const NewGameRunning&) = delete;
    NewGameRunning& operator=(const NewGameRunning&) = delete;

private:
    Game& m_game;
};

}  // namespace

void mnuGameNew_Click(Game& game) {
    // Asked for again in its own pauses (a held Ctrl+N), it is the new game already under way.
    if (game.newGameRunning) {
        return;
    }
    // Inside another operation's pause it would run nested, pausing again inside that pause (a
    // held key piles them up until the stack overflows), and the paused operation would then go
    // on over the new game. It runs once that operation has ended instead, once however often
    // it was asked for meanwhile.
    if (game.operations.Running()) {
        game.operations.AfterOutermost("mnuGameNew_Click", [&game] { mnuGameNew_Click(game); });
        return;
    }
    const NewGameRunning running(game);
    Guarded(game, Report::ShowError, "mnuGameNew_Click()", [&] {
        if (!ConfirmLeavingHand(game, "New Game", "Are you shure you want to start a new game?")) {
            return;
        }
        GameScreenForm& screen = game.GameScreen;
        for (ui::Control* frame : {&screen.frameGameScreen, &screen.frameBet, &screen.frameStakes,
                                   &screen.frameResults}) {
            frame->SetVisible(false);
        }
        // A results window due from the hand just settled would open during the pauses below,
        // over the new game's stakes frame.
        CancelPendingResults(game);
        StopSpeech(game);
        Delay(game, 3);
        Speak(game, "Press F2 for help. ");
        Delay(game, 7);
        BeginGame(game);
    });
}

void mnuGameExit_Click(Game& game) {
    // Asked inside another operation's pause, the answer No does not pause again: that pause is
    // still running, and Exits refused one inside another's pause would pile the pauses up.
    const bool nested = game.operations.Running();
    Guarded(game, Report::ShowError, "mnuGameExit_Click()", [&] {
        if (!ConfirmLeavingHand(game, "Exit Game", kExitQuestion)) {
            StopSpeech(game);
            if (!nested) {
                Delay(game, 3);
            }
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
