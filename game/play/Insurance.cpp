#include "game/play/Insurance.h"

#include <exception>

#include "game/access/Speech.h"
#include "game/cards/BlackJack.h"
#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/play/SettlementTexts.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"
#include "game/shell/StatisticsKeeping.h"
#include "game/shell/Text.h"

namespace game {

namespace {

constexpr const char* kTitle = "Insurance";

std::string DealerCardName(const GameState& state, int slot) {
    return std::string(TrimSpaces(state.DealerCardNames[slot].Text()));
}

std::string InsuranceQuestion(const GameState& state) {
    return Line("The dealer has an " + DealerCardName(state, 2) + " showing.") +
           Line("You can make an optional insurance bet.") +
           Line("The insurance bet is insurance in case the dealer has a BlackJack. ") +
           Line(
               "If you make this bet, you win the amount of the insurance bet if the dealer has "
               "a BlackJack.") +
           Line(
               "If you make this bet, you lose the amount of the insurance bet if the dealer "
               "does not have a BlackJack.") +
           Line("If you choose to make this bet, the insurance bet is $" +
                std::to_string(state.InsuranceBet) + ".") +
           Line("Do you want to make this bet?");
}

}  // namespace

void CheckForInsurance(Game& game) {
    Guarded(game, Report::MessageBox, " in CheckForInsurance()", [&] {
        GameState& state = game.state;
        // The value slot, so that a dealer holding two aces (the first lowered) still offers it.
        if (state.DealerCardValues[2] != 11) {
            state.InsuranceAvailable = false;
            state.InsuranceBet = 0;
            return;
        }
        state.InsuranceAvailable = true;
        state.InsuranceBet = state.Bet / 2;
        Delay(game, 10);
        StopSpeech(game);
        Speak(game, "Insurance bet is available by pressing the delete key.");
    });
}

void btnInsurance_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnInsurance_Click()", [&] {
            const GameState& state = game.state;
            if (!state.InsuranceAvailable || state.PlayerCardCount > 2) {
                Refuse(game, kTitle, "Insurance is not available!");
                return;
            }
            if (state.InsuranceTaken) {
                Refuse(game, kTitle, "Only one insurance bet allowed per hand!");
                return;
            }
            DoYouWantInsurance(game);
        });
    });
}

void DoYouWantInsurance(Game& game) {
    Guarded(game, Report::MessageBox, " in DoYouWantInsurance()", [&] {
        GameState& state = game.state;
        if (!state.InsuranceAvailable || state.InsuranceBet <= 0) {
            state.InsuranceTaken = false;
            return;
        }
        if (state.Stakes - state.InsuranceBet <= 0) {
            state.InsuranceTaken = false;
            Refuse(game, kTitle, "You do not have enough money for this bet.");
            return;
        }
        if (!AskYesNo(game, "Insurance ", InsuranceQuestion(state))) {
            state.InsuranceTaken = false;
            return;
        }
        state.InsuranceTaken = true;
        state.Stakes -= state.InsuranceBet;
        GameScreenForm& screen = game.GameScreen;
        screen.lblBet.SetCaption("Bet=$" + std::to_string(state.Bet + state.InsuranceBet));
        screen.lblStakes.SetCaption("Stakes=$" + std::to_string(state.Stakes));
    });
}

std::string Insurance(Game& game) {
    // A failure leaves an empty line in the outcome text instead of the report.
    std::string result;
    try {
        GameState& state = game.state;
        if (!state.InsuranceTaken) {
            return result;
        }
        const bool won = DealerBlackJack(game);
        CountInsurance(game, won ? HandResult::PlayerWins : HandResult::DealerWins);
        if (won) {
            state.Stakes += 2 * state.InsuranceBet;
            return Line("You win $" + std::to_string(state.InsuranceBet) + " on an insurance bet.");
        }
        return Line("You lose $" + std::to_string(state.InsuranceBet) + " on an insurance bet.") +
               Line("The dealer has a " + DealerCardName(state, 1) + " and a " +
                    DealerCardName(state, 2) + ".");
    } catch (const std::exception& error) {
        result = std::string(kLineBreak);
        ReportError(game, Report::MessageBox, " in Insurance()", error.what());
    }
    return result;
}

}  // namespace game
