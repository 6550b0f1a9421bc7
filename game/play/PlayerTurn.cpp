#include "game/play/PlayerTurn.h"

#include <string>

#include "game/access/Speech.h"
#include "game/cards/HandDisplay.h"
#include "game/cards/NextCard.h"
#include "game/play/DealerTurn.h"
#include "game/play/HandCards.h"
#include "game/play/Insurance.h"
#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/play/Settlement.h"
#include "game/play/SettlementTexts.h"
#include "game/play/SplitHands.h"
#include "game/play/SplitPlay.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

// An ordinary hand ended by the player's own card: the insurance report goes between what the
// card did and the account of the cards.
void SettleByPlayerCard(Game& game, PlayerCardEnding ending) {
    const GameState& state = game.state;
    std::string text = PlayerCardOpening(state, ending);
    text += Insurance(game);
    text += PlayerCardAccount(state);
    if (ending == PlayerCardEnding::FiveCards) {
        SettleHand(game, kFiveCardPayout * state.Bet, HandResult::PlayerWins, std::move(text));
    } else {
        SettleHand(game, 0, HandResult::DealerWins, std::move(text));
    }
}

}  // namespace

void DrawPlayerCard(Game& game) {
    GameState& state = game.state;
    const std::string name =
        PutCardInHand(NextCard(game), state.PlayerCardValues, state.PlayerCardNames,
                      state.PlayerCardCount, state.PlayerTotal);
    AddToPlayer(game, name);
    LowerAces(state.PlayerCardValues, state.PlayerCardCount, state.PlayerTotal);
}

std::optional<PlayerCardEnding> HandEndedBy(const GameState& state) {
    if (WinsByFiveCards(state.PlayerCardCount, state.PlayerTotal)) {
        return PlayerCardEnding::FiveCards;
    }
    if (IsBust(state.PlayerTotal)) {
        return PlayerCardEnding::Bust;
    }
    return std::nullopt;
}

void Player1Draw(Game& game) {
    Guarded(game, Report::MessageBox, " in Player1Draw()", [&] {
        DrawPlayerCard(game);
        if (const std::optional<PlayerCardEnding> ending = HandEndedBy(game.state)) {
            SettleByPlayerCard(game, *ending);
        }
    });
}

void btnHit_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnHit_Click()", [&] {
            StopSpeech(game);
            if (game.state.SplitAces) {
                Refuse(game, "Split Pairs", "You can not hit after splitting aces.");
                return;
            }
            PlaySound(game, "\\hit.wav");
            if (game.state.SplitInProgress) {
                SplitPlayerDraw(game);
            } else {
                Player1Draw(game);
            }
        });
    });
}

void btnStay_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnStay_Click()", [&] {
            GameState& state = game.state;
            if (IsBust(state.PlayerTotal)) {
                return;
            }
            StopSpeech(game);
            Speak(game, "The player stays. ");
            Delay(game, 10);
            if (!state.SplitInProgress) {
                DealToDealer(game);
                return;
            }
            state.SplitHands[state.SplitHandIndex].Outcome = kSplitHandStanding;
            NextSplit(game);
        });
    });
}

}  // namespace game
