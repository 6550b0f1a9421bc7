#include "game/play/SplitSettlement.h"

#include <exception>
#include <string>

#include "game/access/Speech.h"
#include "game/cards/HandValues.h"
#include "game/play/DealerTurn.h"
#include "game/play/Insurance.h"
#include "game/play/Settlement.h"
#include "game/play/SettlementTexts.h"
#include "game/play/SplitHands.h"
#include "game/rules/HandValue.h"
#include "game/rules/Settlement.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Results.h"
#include "game/shell/StatisticsKeeping.h"
#include "game/shell/Text.h"

namespace game {

namespace {

// Runs `settle` on each hand still standing, loaded as the hand being played.
template <class Settle>
void ForEachStandingHand(Game& game, Settle&& settle) {
    GameState& state = game.state;
    const Int32 hands = NumHands(game);
    for (int slot = 1; slot <= hands; ++slot) {
        if (state.SplitHands[slot].Outcome == kSplitHandStanding) {
            LoadPlayerFromSplit(game, slot);
            settle(state.SplitHands[slot]);
        }
    }
}

// The rows of a split hand settle it against the dealer's final hand, on the bet.
void SettleStandingHand(Game& game, SplitHand& hand) {
    GameState& state = game.state;
    const rules::SplitSettlement settlement =
        rules::SettleSplit(PlayerHandValue(state), DealerHandValue(state));
    hand.ResultText = SettlementOpening(state, settlement) + SettlementAccount(state, settlement);
    state.Stakes += Returned(rules::ResultOf(settlement), state.Bet);
    CountHand(game, {.result = rules::ResultOf(settlement)});
}

std::string HandHeading(int slot) {
    return Line("Hand number  " + std::to_string(slot) + ":");
}

}  // namespace

void SplitDealToDealer(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitDealToDealer()", [&] {
        GameState& state = game.state;
        StopSpeech(game);
        DealerPlaysOut(game, SplitDealerDraw);
        if (!state.GameInProgress) {
            SplitDisplayResults(game);
            return;
        }
        state.GameInProgress = false;
        Speak(game, "The Dealer stays. ");
        Delay(game, 15);
        ForEachStandingHand(game, [&](SplitHand& hand) { SettleStandingHand(game, hand); });
        SplitDisplayResults(game);
    });
}

void SplitDealerDraw(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitDealerDraw()", [&] {
        DrawDealerCard(game);
        if (rules::IsBust(DealerHandValue(game.state))) {
            SplitDealerBusted(game);
        }
    });
}

void SplitDealerBusted(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitDealerBusted()", [&] {
        GameState& state = game.state;
        // The hand is over before any hand is paid, so that no failure on the way can let the
        // dealer's turn settle the hands a second time by their totals.
        state.GameInProgress = false;
        ForEachStandingHand(game, [&](SplitHand& hand) { SettleStandingHand(game, hand); });
    });
}

void SplitDisplayResults(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitDisplayResults()", [&] {
        game.state.SplitInProgress = false;
        game.GameScreen.tmrSplit.SetEnabled(true);
    });
}

void tmrSplit_Timer(Game& game) {
    ui::Timer& timer = game.GameScreen.tmrSplit;
    try {
        timer.SetEnabled(false);
        GameState& state = game.state;
        std::string text = Insurance(game);
        const Int32 hands = NumHands(game);
        for (int slot = 1; slot <= hands; ++slot) {
            text += HandHeading(slot) + Line(state.SplitHands[slot].ResultText);
        }
        state.ResultsText = std::move(text);
        EndDealStatistics(game);
        StopSpeech(game);
        LoadResultsWindow(game);
    } catch (const std::exception& error) {
        // Disarmed before the report, so that the timer does not tick again behind the message.
        timer.SetEnabled(false);
        ReportError(game, Report::MessageBox, " in tmrSplit_Timer()", error.what());
    }
}

}  // namespace game
