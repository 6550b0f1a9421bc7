#include "game/shell/BetWindow.h"

#include <array>
#include <string>

#include "game/access/ScreenReader.h"
#include "game/access/Speech.h"
#include "game/cards/Deal.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"
#include "game/shell/StartUp.h"
#include "game/shell/Text.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

// The fixed bets of lstBet; the entry after them bets all the stakes.
constexpr std::array<int, 10> kBets = {100, 150, 200, 250, 300, 350, 400, 450, 500, 1000};
constexpr int kAllStakesEntry = static_cast<int>(kBets.size());

std::string BrokeQuestion() {
    std::string text = "You are broke!";
    text.append(kLineBreak).append("Do you want to start a new game?").append(kLineBreak);
    return text;
}

// With no money left: a new game on Yes, otherwise the end of the program.
void OfferNewGame(Game& game, std::string title) {
    PlaySound(game, "\\broke.wav");
    if (AskYesNo(game, std::move(title), BrokeQuestion())) {
        BeginGame(game);
        return;
    }
    game.state.GameInProgress = false;
    ReleaseWESpeech(game);
    // No hand is in play, so the window's unloading asks nothing and ends the program.
    game.GameScreen.Unload();
}

std::string TooMuchQuestion(const GameState& state) {
    std::string text = "You can not bet this amount!";
    text.append(kLineBreak)
        .append("You only have $")
        .append(std::to_string(state.Stakes))
        .append(" to play with.")
        .append(kLineBreak)
        .append("Do you wish to bet your full stakes?")
        .append(kLineBreak);
    return text;
}

void StartHand(Game& game) {
    game.GameScreen.frameBet.SetVisible(false);
    DealCards(game);
}

}  // namespace

void LoadBetWindow(Game& game) {
    Guarded(game, Report::ShowError, " LoadBetWindow()", [&] {
        GameScreenForm& screen = game.GameScreen;
        if (game.state.Stakes <= 0) {
            OfferNewGame(game, screen.Caption());
            return;
        }
        StopSpeech(game);
        screen.frameBet.SetVisible(true);
        screen.lstBet.ClearItems();
        for (const int bet : kBets) {
            screen.lstBet.AddItem("$" + std::to_string(bet));
        }
        screen.lstBet.AddItem("All $" + std::to_string(game.state.Stakes));
        screen.lstBet.SetListIndex(game.state.BetListIndex);
        screen.lstBet.SetFocus();
    });
}

void btnBetOK_Click(Game& game) {
    Guarded(game, Report::ShowError, " btnBetOK_Click()", [&] {
        GameState& state = game.state;
        const int entry = game.GameScreen.lstBet.ListIndex();
        if (entry >= 0) {
            state.Bet = entry == kAllStakesEntry ? state.Stakes : Int32(kBets.at(entry));
        }
        state.BetListIndex = entry;
        if (state.Stakes - state.Bet >= 0) {
            state.Stakes -= state.Bet;
            StartHand(game);
            return;
        }
        if (AskYesNo(game, game.GameScreen.Caption(), TooMuchQuestion(state))) {
            state.Bet = state.Stakes;
            state.Stakes = 0;
            state.BetListIndex = 0;
            StartHand(game);
        }
    });
}

void YouAreBroke(Game& game) {
    Guarded(game, Report::ShowError, " YouAreBroke()", [&] { OfferNewGame(game, "Broke"); });
}

}  // namespace game
