#include "game/play/SplitPairs.h"

#include <stdexcept>

#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/play/SettlementTexts.h"
#include "game/play/SplitHands.h"
#include "game/play/SplitPlay.h"
#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"
#include "game/shell/StatisticsKeeping.h"
#include "game/shell/TableLabels.h"

namespace game {

namespace {

constexpr const char* kTitle = "Split Pairs";
constexpr int kSplitHandSlots = 5;
constexpr int kSplitCardSlots = 15;

std::string SplitQuestion() {
    return Line("Splitting this pair of cards will make 2 hands. ") +
           Line("Your current bet will be bet on each of these 2 hands. ") +
           Line(
               "If you choose to split this pair, each hand produced will be played out "
               "individually before the dealer plays. ") +
           "Do you want to split this pair?";
}

// The confirmed split: one more bet leaves the stakes, the pair becomes two hands (a resplit puts
// the new hand at the end of the queue), and the hand to play gets its second card.
void SplitThePair(Game& game) {
    GameState& state = game.state;
    state.SplitInProgress = true;
    state.SplitCount += 1;
    CountSplit(game);
    state.Stakes -= state.Bet;
    StakesShow(game);
    if (rules::IsAce(state.PlayerCardValues[1])) {
        // Each ace starts its own hand counting 11.
        state.SplitAces = true;
        state.PlayerCardValues[1] = rules::kAceValue;
        state.PlayerCardValues[2] = rules::kAceValue;
    }
    if (state.SplitCount == 1) {
        state.SplitHandIndex = 1;
    }
    StartSplitHand(state, state.SplitHandIndex, 1);
    StartSplitHand(state, state.SplitCount + 1, 2);
    ClearPlayerCards(game);
    LoadPlayerFromSplit(game, state.SplitHandIndex);
    ShowSplitHand(game);
    SplitPlayerDraw(game);
}

}  // namespace

rules::SplitRequest SplitRequestOf(const GameState& state) {
    rules::SplitRequest request;
    request.cardCount = state.PlayerCardCount;
    request.firstValue = state.PlayerCardValues[1];
    request.secondValue = state.PlayerCardValues[2];
    request.splitCount = state.SplitCount;
    request.acesSplit = state.SplitAces;
    request.stakes = state.Stakes;
    request.bet = state.Bet;
    return request;
}

std::optional<std::string> SplitRefusal(const GameState& state) {
    switch (rules::CheckSplit(SplitRequestOf(state), rules::kGameRules)) {
        case rules::SplitRefusal::None:
            return std::nullopt;
        case rules::SplitRefusal::NotTwoCards:
            return "You can only split pairs when you have 2 cards.";
        case rules::SplitRefusal::NotSameValue:
            return "You can only split cards with the same value.";
        case rules::SplitRefusal::TooManySplits:
            return "You can only split 3 times.";
        case rules::SplitRefusal::StakesTooLow:
            return "Your stakes are too low to split this pair.";
        case rules::SplitRefusal::AcesNotResplit:
            break;
    }
    throw std::logic_error("this table splits aces again");
}

void btnSplit_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnSplit_Click()", [&] { SplitPairs(game); });
    });
}

void SplitPairs(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitPairs()", [&] {
        if (const std::optional<std::string> refusal = SplitRefusal(game.state)) {
            Refuse(game, kTitle, *refusal);
            return;
        }
        if (AskYesNo(game, kTitle, SplitQuestion())) {
            SplitThePair(game);
        }
    });
}

void SetSplitVars(Game& game) {
    Guarded(game, Report::MessageBox, " in SetSplitVars()", [&] {
        GameState& state = game.state;
        state.SplitHandIndex = 0;
        state.SplitInProgress = false;
        state.SplitCount = 0;
        state.SplitAces = false;
        for (int hand = 0; hand < kSplitHandSlots; ++hand) {
            SplitHand& split = state.SplitHands[hand];
            split.CardCount = 0;
            split.Total = 0;
            split.Outcome = 0;
            split.ResultText.clear();
            for (int slot = 0; slot < kSplitCardSlots; ++slot) {
                split.CardValues[slot] = 0;
                split.CardNames[slot].clear();
            }
        }
        // A hand left in the middle of a split (a new game begun) never reached the results
        // frame that names the table's hand "Player" again.
        game.GameScreen.lblPlayer.SetCaption("Player");
    });
}

}  // namespace game
