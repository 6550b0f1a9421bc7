#include "game/shell/Results.h"

#include <string>

#include "game/access/ScreenReader.h"
#include "game/access/Speech.h"
#include "game/cards/Deal.h"
#include "game/cards/HandDisplay.h"
#include "game/shell/BetWindow.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/GameScreen.h"
#include "game/shell/Text.h"

namespace game {

namespace {

constexpr int kSameBet = 0;
constexpr int kNewBet = 1;

void ShowResults(Game& game, ui::Timer& timer, const std::string& text) {
    timer.SetEnabled(false);
    game.state.ResultsText = text;
    LoadResultsWindow(game);
}

void ChooseNextHand(Game& game, int choice) {
    StopSpeech(game);
    game.state.NextHandChoice = choice;
    UnloadResultsWindow(game);
}

}  // namespace

void tmrPlayerWins_Timer(Game& game) {
    Guarded(game, Report::ShowError, " tmrPlayerWins_Timer()",
            [&] { ShowResults(game, game.GameScreen.tmrPlayerWins, game.state.PlayerWinsText); });
}

void tmrDealerWins_Timer(Game& game) {
    Guarded(game, Report::ShowError, " tmrDealerWins_Timer()",
            [&] { ShowResults(game, game.GameScreen.tmrDealerWins, game.state.DealerWinsText); });
}

void tmrDraw_Timer(Game& game) {
    Guarded(game, Report::ShowError, " tmrDraw_Timer()",
            [&] { ShowResults(game, game.GameScreen.tmrDraw, game.state.DrawText); });
}

void LoadResultsWindow(Game& game) {
    Guarded(game, Report::ShowError, " LoadResultsWindow()", [&] {
        GameScreenForm& screen = game.GameScreen;
        ClearPlayerTextBox(game);
        ClearDealerTextBox(game);
        Player1Hide(game);
        screen.frameResults.SetVisible(true);
        screen.txtResults.SetCaption(game.state.ResultsText + std::string(kLineBreak));
        screen.txtResults.SetFocus();
        StopSpeech(game);
        Delay(game, 10);
        if (ReaderIs(game, kJfw)) {
            Speak(game, game.state.ResultsText);
        }
    });
}

void btnSameBet_Click(Game& game) {
    Guarded(game, Report::ShowError, " btnSameBet_Click()",
            [&] { ChooseNextHand(game, kSameBet); });
}

void btnNewBet_Click(Game& game) {
    Guarded(game, Report::ShowError, " btnNewBet_Click()", [&] { ChooseNextHand(game, kNewBet); });
}

void btnExitGame_Click(Game& game) {
    Guarded(game, Report::ShowError, " btnExitGame_Click()", [&] {
        StopSpeech(game);
        // No hand is in play, so the window's unloading asks nothing and ends the program.
        game.GameScreen.Unload();
    });
}

void UnloadResultsWindow(Game& game) {
    Guarded(game, Report::ShowError, " UnloadResultsWindow()", [&] {
        GameState& state = game.state;
        StopSpeech(game);
        game.GameScreen.frameResults.SetVisible(false);
        game.GameScreen.lblPlayer.SetCaption("Player");
        state.SplitInProgress = false;
        state.SplitAces = false;
        if (state.NextHandChoice == kNewBet) {
            LoadBetWindow(game);
        } else {
            ContinueSameBet(game);
        }
    });
}

void ContinueSameBet(Game& game) {
    Guarded(game, Report::ShowError, " ContinueSameBet()", [&] {
        GameState& state = game.state;
        if (state.DoubledDown) {
            state.Bet = state.BetBeforeDouble;
        }
        if (state.Stakes == 0) {
            YouAreBroke(game);
        } else if (state.Stakes - state.Bet < 0) {
            LoadBetWindow(game);
        } else {
            state.Stakes -= state.Bet;
            DealCards(game);
        }
    });
}

}  // namespace game
