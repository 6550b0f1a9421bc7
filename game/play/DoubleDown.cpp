#include "game/play/DoubleDown.h"

#include <string>

#include "game/access/Speech.h"
#include "game/play/DealerTurn.h"
#include "game/play/PlayCommand.h"
#include "game/play/PlayerTurn.h"
#include "game/play/Refusal.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"
#include "game/shell/Text.h"

namespace game {

namespace {

constexpr const char* kTitle = "Double Down";

std::string DoubleDownQuestion(const GameState& state) {
    std::string text = "To Double Down means to double your current bet.";
    text.append(kLineBreak)
        .append("If you choose to make this bet, you will receive only one more card.")
        .append(kLineBreak)
        .append("This bet will double your current bet to $")
        .append(std::to_string(2 * state.Bet))
        .append(".")
        .append(kLineBreak)
        .append("Do you want to make this bet?")
        .append(kLineBreak);
    return text;
}

}  // namespace

void btnDouble_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnDouble_Click()", [&] {
            if (game.state.SplitInProgress) {
                Refuse(game, "Split Pairs", "You can not double down after splitting.");
                return;
            }
            DoYouWantDoubleDown(game);
        });
    });
}

void DoYouWantDoubleDown(Game& game) {
    Guarded(game, Report::MessageBox, " in DoYouWantDoubleDown()", [&] {
        GameState& state = game.state;
        if (state.PlayerCardCount > 2) {
            Refuse(game, kTitle, "You can only double Down when you have 2 cards.");
            return;
        }
        if (state.DoubledDown) {
            Refuse(game, kTitle, "You can only double down once per hand.");
            return;
        }
        if (state.Stakes - state.Bet < 0) {
            Refuse(game, kTitle, "You do not have enough stakes remaining to double your bet!");
            return;
        }
        if (!AskYesNo(game, "Double Down ", DoubleDownQuestion(state))) {
            state.DoubledDown = false;
            return;
        }
        state.DoubledDown = true;
        state.Stakes -= state.Bet;
        state.BetBeforeDouble = state.Bet;
        state.Bet = 2 * state.Bet;
        GameScreenForm& screen = game.GameScreen;
        screen.lblBet.SetCaption("Bet=$" + std::to_string(state.Bet));
        screen.lblStakes.SetCaption("Stakes=$" + std::to_string(state.Stakes));
        Player1Draw(game);
        if (state.PlayerTotal < 22) {
            Delay(game, 30);
            StopSpeech(game);
            Speak(game, "The player must stay. ");
            Delay(game, 15);
            DealToDealer(game);
        }
    });
}

}  // namespace game
