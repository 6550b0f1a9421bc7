#include "game/cards/Deal.h"

#include "game/access/Speech.h"
#include "game/cards/Deck.h"
#include "game/cards/HandDisplay.h"
#include "game/cards/NextCard.h"
#include "game/play/DealerTurn.h"
#include "game/play/Insurance.h"
#include "game/play/PlayCommand.h"
#include "game/play/PlayerTurn.h"
#include "game/play/SplitPairs.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/GameScreen.h"
#include "game/shell/TableLabels.h"

namespace game {

namespace {

// The deal clears the card slots 1 to 19 only.
constexpr int kLastClearedSlot = 19;

void ClearHands(GameState& state) {
    state.InsuranceAvailable = false;
    state.InsuranceBet = 0;
    state.InsuranceTaken = false;
    state.DoubledDown = false;
    state.BetBeforeDouble = 0;
    state.PlayerTotal = 0;
    state.PlayerCardCount = 0;
    state.DealerTotal = 0;
    state.DealerCardCount = 0;
    for (int slot = 1; slot <= kLastClearedSlot; ++slot) {
        state.PlayerCardValues[slot] = 0;
        state.DealerCardValues[slot] = 0;
        state.PlayerCardNames[slot] = "";
        state.DealerCardNames[slot] = "";
    }
}

}  // namespace

void DealCards(Game& game) {
    // The player's commands wait until the cards are out and insurance has been offered.
    PlayBusy busy(game);
    Guarded(game, Report::MessageBox, " in DealCards()", [&] {
        GameState& state = game.state;
        state.GameInProgress = true;
        SetSplitVars(game);
        ClearHands(state);
        StakesShow(game);
        BetShow(game);
        if (DeckNeedsShuffle(game)) {
            game.GameScreen.ShuffleNeeded = false;
            state.DealPosition = 0;
            ShuffleDeck(game);
            ShuffleSound(game);
        }
        Player1Show(game);
        ClearPlayerTextBox(game);
        ClearDealerTextBox(game);
        Player1Draw(game);
        DealerDraw(game);
        Player1Draw(game);
        DealerDraw(game);
        game.GameScreen.txtPlayer.SetFocus();
        StopSpeech(game);
        Delay(game, 10);
        CheckForInsurance(game);
    });
}

}  // namespace game
