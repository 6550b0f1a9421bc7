#include "game/play/PlayerTurn.h"

#include <string>

#include "game/access/Speech.h"
#include "game/cards/HandDisplay.h"
#include "game/cards/HandValues.h"
#include "game/cards/NextCard.h"
#include "game/cards/SeenCards.h"
#include "game/play/DealerTurn.h"
#include "game/play/HandCards.h"
#include "game/play/Insurance.h"
#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/play/Settlement.h"
#include "game/play/SettlementTexts.h"
#include "game/play/SplitHands.h"
#include "game/play/SplitPlay.h"
#include "game/rules/Eligibility.h"
#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"
#include "game/rules/Settlement.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

// An ordinary hand ended by the player's own card: the insurance report goes between what the
// card did and the account of the cards.
void SettleByPlayerCard(Game& game, rules::AfterCard ending) {
    const GameState& state = game.state;
    std::string text = PlayerCardOpening(state, ending);
    text += Insurance(game);
    text += PlayerCardAccount(state);
    SettleHand(game, rules::ResultOf(ending), std::move(text));
}

}  // namespace

rules::HitRequest HitRequestOf(const GameState& state) {
    return rules::HitRequest{state.SplitAces};
}

void DrawPlayerCard(Game& game) {
    GameState& state = game.state;
    const Int16 card = NextCard(game);
    const std::string name = PutCardInHand(card, state.PlayerCardValues, state.PlayerCardNames,
                                           state.PlayerCardCount, state.PlayerTotal);
    NoteCardSeen(state, card);
    AddToPlayer(game, name);
    LowerAces(state.PlayerCardValues, state.PlayerCardCount, state.PlayerTotal);
}

rules::AfterCard AfterLastCard(const GameState& state) {
    return rules::AfterPlayerCard(PlayerHandValue(state), rules::kGameRules);
}

void Player1Draw(Game& game) {
    Guarded(game, Report::MessageBox, " in Player1Draw()", [&] {
        DrawPlayerCard(game);
        if (const rules::AfterCard ending = AfterLastCard(game.state);
            ending != rules::AfterCard::PlayOn) {
            SettleByPlayerCard(game, ending);
        }
    });
}

void btnHit_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnHit_Click()", [&] {
            StopSpeech(game);
            if (rules::CheckHit(HitRequestOf(game.state), rules::kGameRules) !=
                rules::HitRefusal::None) {
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
            if (rules::IsBust(PlayerHandValue(state))) {
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
