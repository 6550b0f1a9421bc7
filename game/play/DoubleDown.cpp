#include "game/play/DoubleDown.h"

#include <stdexcept>
#include <string>

#include "game/access/Speech.h"
#include "game/cards/HandValues.h"
#include "game/play/DealerTurn.h"
#include "game/play/PlayCommand.h"
#include "game/play/PlayerTurn.h"
#include "game/play/Refusal.h"
#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"
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

// Refuses the double down the rules do not allow now; true when it did.
bool RefusedDoubleDown(Game& game) {
    switch (rules::CheckDouble(DoubleDownRequestOf(game.state), rules::kGameRules)) {
        case rules::DoubleRefusal::None:
            return false;
        case rules::DoubleRefusal::AfterSplit:
        case rules::DoubleRefusal::SplitAces:
            Refuse(game, "Split Pairs", "You can not double down after splitting.");
            return true;
        case rules::DoubleRefusal::NotTwoCards:
            Refuse(game, kTitle, "You can only double Down when you have 2 cards.");
            return true;
        case rules::DoubleRefusal::AlreadyDoubled:
            Refuse(game, kTitle, "You can only double down once per hand.");
            return true;
        case rules::DoubleRefusal::NotEnoughStakes:
            Refuse(game, kTitle, "You do not have enough stakes remaining to double your bet!");
            return true;
        case rules::DoubleRefusal::HandNotAllowed:
            break;
    }
    throw std::logic_error("this table lets any two cards double down");
}

}  // namespace

rules::DoubleRequest DoubleDownRequestOf(const GameState& state) {
    rules::DoubleRequest request;
    request.splitInProgress = state.SplitInProgress;
    request.acesSplit = state.SplitAces;
    request.cardCount = state.PlayerCardCount;
    request.doubledDown = state.DoubledDown;
    request.total = state.PlayerTotal;
    request.stakes = state.Stakes;
    request.bet = state.Bet;
    return request;
}

void btnDouble_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnDouble_Click()",
                [&] { DoYouWantDoubleDown(game); });
    });
}

void DoYouWantDoubleDown(Game& game) {
    Guarded(game, Report::MessageBox, " in DoYouWantDoubleDown()", [&] {
        GameState& state = game.state;
        if (RefusedDoubleDown(game)) {
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
        if (!rules::IsBust(PlayerHandValue(state))) {
            Delay(game, 30);
            StopSpeech(game);
            Speak(game, "The player must stay. ");
            Delay(game, 15);
            DealToDealer(game);
        }
    });
}

}  // namespace game
