#include "game/play/Insurance.h"

#include <exception>

#include "game/access/Speech.h"
#include "game/cards/HandValues.h"
#include "game/cards/SeenCards.h"
#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/play/SettlementTexts.h"
#include "game/rules/Rules.h"
#include "game/rules/Settlement.h"
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

// What became of the insurance bet, and the dealer's two cards when it was lost.
std::string InsuranceReport(const GameState& state, bool won) {
    if (won) {
        return Line("You win $" + std::to_string(state.InsuranceBet) + " on an insurance bet.");
    }
    return Line("You lose $" + std::to_string(state.InsuranceBet) + " on an insurance bet.") +
           Line("The dealer has a " + DealerCardName(state, 1) + " and a " +
                DealerCardName(state, 2) + ".");
}

}  // namespace

void CheckForInsurance(Game& game) {
    Guarded(game, Report::MessageBox, " in CheckForInsurance()", [&] {
        GameState& state = game.state;
        // The value slot, so that a dealer holding two aces (the first lowered) still offers it.
        if (!rules::InsuranceOffered(state.DealerCardValues[2], rules::kGameRules)) {
            state.InsuranceAvailable = false;
            state.InsuranceBet = 0;
            return;
        }
        state.InsuranceAvailable = true;
        state.InsuranceBet = rules::InsuranceStake(state.Bet);
        Delay(game, 10);
        StopSpeech(game);
        Speak(game, "Insurance bet is available by pressing the delete key.");
    });
}

void btnInsurance_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnInsurance_Click()",
                [&] { DoYouWantInsurance(game); });
    });
}

rules::InsuranceRequest InsuranceRequestOf(const GameState& state) {
    rules::InsuranceRequest request;
    request.available = state.InsuranceAvailable;
    request.cardCount = state.PlayerCardCount;
    request.taken = state.InsuranceTaken;
    request.insuranceStake = state.InsuranceBet;
    request.stakes = state.Stakes;
    return request;
}

void DoYouWantInsurance(Game& game) {
    Guarded(game, Report::MessageBox, " in DoYouWantInsurance()", [&] {
        GameState& state = game.state;
        switch (rules::CheckInsurance(InsuranceRequestOf(state))) {
            case rules::InsuranceRefusal::None:
                break;
            case rules::InsuranceRefusal::NotAvailable:
                Refuse(game, kTitle, "Insurance is not available!");
                return;
            case rules::InsuranceRefusal::AlreadyTaken:
                Refuse(game, kTitle, "Only one insurance bet allowed per hand!");
                return;
            case rules::InsuranceRefusal::NothingToStake:
                state.InsuranceTaken = false;
                return;
            case rules::InsuranceRefusal::NotEnoughMoney:
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
        const rules::Money returned =
            rules::InsuranceReturned(state.InsuranceBet, DealerHandValue(state), rules::kGameRules);
        state.Stakes += returned;
        CountInsurance(game, returned > 0 ? rules::Result::Win : rules::Result::Lose);
        // Won, it says the face-down card is a ten; lost, it names it.
        NoteFaceDownCardSeen(state);
        return InsuranceReport(state, returned > 0);
    } catch (const std::exception& error) {
        result = std::string(kLineBreak);
        ReportError(game, Report::MessageBox, " in Insurance()", error.what());
    }
    return result;
}

}  // namespace game
