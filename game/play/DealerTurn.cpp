#include "game/play/DealerTurn.h"

#include <string>

#include "game/access/Speech.h"
#include "game/cards/HandDisplay.h"
#include "game/cards/HandValues.h"
#include "game/cards/NextCard.h"
#include "game/cards/SeenCards.h"
#include "game/play/HandCards.h"
#include "game/play/Insurance.h"
#include "game/play/Settlement.h"
#include "game/play/SettlementTexts.h"
#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"
#include "game/rules/Settlement.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

// The dealer's hand is final, over 21 or standing: the rows of the table settle the hand.
void SettleAgainstDealer(Game& game) {
    const GameState& state = game.state;
    const rules::Settlement settlement =
        rules::SettleOrdinary(PlayerHandValue(state), DealerHandValue(state));
    std::string text = SettlementOpening(state, settlement);
    text += Insurance(game);
    text += SettlementAccount(state, settlement);
    SettleHand(game, rules::ResultOf(settlement), std::move(text));
}

std::string OpeningCardName(const GameState& state, int slot) {
    return std::string(TrimSpaces(state.DealerCardNames[slot].Text()));
}

}  // namespace

void DrawDealerCard(Game& game) {
    GameState& state = game.state;
    const Int16 card = NextCard(game);
    const std::string name = PutCardInHand(card, state.DealerCardValues, state.DealerCardNames,
                                           state.DealerCardCount, state.DealerTotal);
    if (state.DealerCardCount == 1) {
        AddToDealer(game, " face down ");
    } else {
        NoteCardSeen(state, card);
        AddToDealer(game, name);
    }
    if (state.DealerCardCount >= 3) {
        Speak(game, "The dealer drew the " + state.DealerCardNames[state.DealerCardCount].Text());
        Delay(game, 15);
    }
    LowerAces(state.DealerCardValues, state.DealerCardCount, state.DealerTotal);
}

void DealerPlaysOut(Game& game, void (*draw)(Game&)) {
    GameState& state = game.state;
    Speak(game,
          "The dealer has a " + OpeningCardName(state, 1) + " and a " + OpeningCardName(state, 2));
    NoteFaceDownCardSeen(state);
    Delay(game, 20);
    while (rules::DealerDraws(DealerHandValue(state), rules::kGameRules)) {
        Speak(game, "The dealer hits.  ");
        Delay(game, 10);
        PlaySound(game, "\\hit.wav");
        draw(game);
    }
}

void DealerDraw(Game& game) {
    Guarded(game, Report::MessageBox, " in DealerDraw()", [&] {
        DrawDealerCard(game);
        if (rules::IsBust(DealerHandValue(game.state))) {
            SettleAgainstDealer(game);
        }
    });
}

void DealToDealer(Game& game) {
    Guarded(game, Report::MessageBox, " in DealToDealer()", [&] {
        GameState& state = game.state;
        DealerPlaysOut(game, DealerDraw);
        if (!state.GameInProgress) {
            return;
        }
        state.GameInProgress = false;
        Speak(game, "The Dealer stays. ");
        Delay(game, 15);
        SettleAgainstDealer(game);
    });
}

}  // namespace game
