#include "game/play/SplitHands.h"

#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

// A split hand and the hand being played exchange their slots 0 to 14.
constexpr int kCopiedSlots = 15;
// ClearPlayerCards empties slots 1 to 19, as the deal does.
constexpr int kLastClearedSlot = 19;

}  // namespace

void LoadPlayerFromSplit(Game& game, Int16 slot) {
    Guarded(game, Report::MessageBox, " in LoadPlayerFromSplit()", [&] {
        GameState& state = game.state;
        const SplitHand& hand = state.SplitHands[slot];
        state.PlayerCardCount = hand.CardCount;
        state.PlayerTotal = hand.Total;
        for (int card = 0; card < kCopiedSlots; ++card) {
            state.PlayerCardValues[card] = hand.CardValues[card];
            state.PlayerCardNames[card] = hand.CardNames[card];
        }
    });
}

void ClearPlayerCards(Game& game) {
    Guarded(game, Report::MessageBox, " in ClearPlayerCards()", [&] {
        GameState& state = game.state;
        for (int card = 1; card <= kLastClearedSlot; ++card) {
            state.PlayerCardValues[card] = 0;
            state.PlayerCardNames[card] = "";
        }
    });
}

Int32 NumHands(Game& game) {
    return Guarded(game, Report::MessageBox, " in NumHands()", [&]() -> Int32 {
        const Int16 splits = game.state.SplitCount;
        if (splits >= 1 && splits <= 3) {
            return splits + 1;
        }
        return 0;
    });
}

void StartSplitHand(GameState& state, int slot, int card) {
    SplitHand& hand = state.SplitHands[slot];
    hand.CardCount = 1;
    hand.CardValues[1] = state.PlayerCardValues[card];
    hand.CardNames[1] = state.PlayerCardNames[card].Text();
    hand.Total = state.PlayerCardValues[card];
    hand.Outcome = kSplitHandStanding;
    hand.ResultText.clear();
}

void StoreSplitHand(GameState& state, int slot) {
    SplitHand& hand = state.SplitHands[slot];
    hand.CardCount = state.PlayerCardCount;
    hand.Total = state.PlayerTotal;
    for (int card = 0; card < kCopiedSlots; ++card) {
        hand.CardValues[card] = state.PlayerCardValues[card];
        hand.CardNames[card] = state.PlayerCardNames[card].Text();
    }
}

}  // namespace game
