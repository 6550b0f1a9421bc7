#include "game/play/SplitPlay.h"

#include <string>

#include "game/access/Speech.h"
#include "game/cards/HandDisplay.h"
#include "game/play/PlayerTurn.h"
#include "game/play/Settlement.h"
#include "game/play/SettlementTexts.h"
#include "game/play/SplitHands.h"
#include "game/play/SplitSettlement.h"
#include "game/rules/HandValue.h"
#include "game/rules/Settlement.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/GameScreen.h"
#include "game/shell/StatisticsKeeping.h"
#include "game/shell/Text.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

// The split hand being played ended by its own card. Its result waits for the results of all the
// hands, but the player hears at once what happened, with time to hear it before the next hand.
void EndSplitHand(Game& game, rules::AfterCard ending) {
    GameState& state = game.state;
    SplitHand& hand = state.SplitHands[state.SplitHandIndex];
    const bool fiveCards = ending == rules::AfterCard::FiveCardWin;
    std::string text = PlayerCardOpening(state, ending) + PlayerCardAccount(state);
    state.Stakes += Returned(rules::ResultOf(ending), state.Bet);
    hand.ResultText = std::move(text);
    PlaySound(game, fiveCards ? "\\youwin.wav" : "\\youlose.wav");
    hand.Outcome = fiveCards ? kSplitHandFiveCards : kSplitHandBust;
    CountHand(game, {.result = rules::ResultOf(ending), .fiveCards = fiveCards});
    Speak(game, fiveCards ? "You won this hand because you have 5 cards without going over 21. "
                          : "You drew the " + state.PlayerCardNames[state.PlayerCardCount].Text() +
                                ", which put you over 21. ");
    Speak(game, "Full details will be presented after all split pairs are played. ");
    Delay(game, 20);
    NextSplit(game);
}

bool AnyHandStanding(Game& game) {
    const GameState& state = game.state;
    const Int32 hands = NumHands(game);
    for (int slot = 1; slot <= hands; ++slot) {
        if (state.SplitHands[slot].Outcome == kSplitHandStanding) {
            return true;
        }
    }
    return false;
}

// The next hand in slot order: its one card becomes the hand being played.
void TakeUpNextHand(Game& game) {
    GameState& state = game.state;
    state.SplitHandIndex += 1;
    ClearPlayerCards(game);
    const SplitHand& hand = state.SplitHands[state.SplitHandIndex];
    state.PlayerCardCount = 1;
    state.PlayerCardValues[1] = hand.CardValues[1];
    state.PlayerCardNames[1] = hand.CardNames[1];
    state.PlayerTotal = state.PlayerCardValues[1];
    state.GameInProgress = true;
    state.InsuranceAvailable = false;
    state.DoubledDown = false;
    ShowSplitHand(game);
    StopSpeech(game);
    Speak(game, game.GameScreen.lblPlayer.Caption());
    Delay(game, 10);
    SplitPlayerDraw(game);
}

}  // namespace

void SplitPlayerDraw(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitPlayerDraw()", [&] {
        const GameState& state = game.state;
        DrawPlayerCard(game);
        if (state.PlayerCardCount <= 2) {
            Player1Show(game);
        }
        // Hiding the table for the new hand took the keyboard focus away from the cards; the
        // player goes on from the card box.
        game.GameScreen.txtPlayer.SetFocus();
        if (const rules::AfterCard ending = AfterLastCard(state);
            ending != rules::AfterCard::PlayOn) {
            EndSplitHand(game, ending);
        }
    });
}

void NextSplit(Game& game) {
    Guarded(game, Report::MessageBox, " in NextSplit()", [&] {
        GameState& state = game.state;
        StoreSplitHand(state, state.SplitHandIndex);
        if (state.SplitHandIndex < state.SplitCount + 1) {
            TakeUpNextHand(game);
        } else if (AnyHandStanding(game)) {
            SplitDealToDealer(game);
        } else {
            // Every hand went over 21 or won by five cards: the hand is over without the dealer.
            state.GameInProgress = false;
            SplitDisplayResults(game);
        }
    });
}

void ShowSplitHand(Game& game) {
    GameScreenForm& screen = game.GameScreen;
    Player1Hide(game);
    screen.lblPlayer.SetCaption("Hand #" + std::to_string(game.state.SplitHandIndex));
    screen.txtPlayer.SetCaption(std::string(kLineBreak));
    AddToPlayer(game, game.state.PlayerCardNames[1].Text());
}

}  // namespace game
