#include "game/play/PlayerTurn.h"

#include <string>

#include "game/access/Speech.h"
#include "game/cards/Cards.h"
#include "game/cards/HandDisplay.h"
#include "game/play/AceRule.h"
#include "game/play/DealerTurn.h"
#include "game/play/Insurance.h"
#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/play/Settlement.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

// The outcome text of a hand ended by the player's own card: what the card did, the money, the
// insurance report, then the cards and the total.
std::string PlayerCardOutcome(Game& game, std::string_view whatTheCardDid,
                              std::string_view moneyLine) {
    const GameState& state = game.state;
    std::string text = "You drew the ";
    text.append(state.PlayerCardNames[state.PlayerCardCount].Text())
        .append(whatTheCardDid)
        .append(kLineBreak)
        .append(moneyLine)
        .append(std::to_string(state.Bet))
        .append(" which is the amount of your bet.")
        .append(kLineBreak);
    text.append(Insurance(game));
    text.append("Your cards: ").append(kLineBreak);
    text.append(CardList(state.PlayerCardNames, state.PlayerCardCount));
    text.append("Your total is ")
        .append(std::to_string(state.PlayerTotal))
        .append("!")
        .append(kLineBreak);
    return text;
}

}  // namespace

void Player1Draw(Game& game) {
    Guarded(game, Report::MessageBox, " in Player1Draw()", [&] {
        GameState& state = game.state;
        state.PlayerCardCount += 1;
        const Int16 card = state.Deck[state.DealPosition];
        state.PlayerCardValues[state.PlayerCardCount] = GetCardValue(card);
        state.PlayerTotal += state.PlayerCardValues[state.PlayerCardCount];
        const std::string name = GetCardString(card);
        state.PlayerCardNames[state.PlayerCardCount] = name;
        AddToPlayer(game, name);
        state.DealPosition += 1;
        LowerAces(state.PlayerCardValues, state.PlayerCardCount, state.PlayerTotal);
        if (state.PlayerCardCount == 5 && state.PlayerTotal < 22) {
            std::string text = PlayerCardOutcome(
                game, ", which gives you 5 cards without going over 21. ", "You win $");
            SettleHand(game, 2 * state.Bet, HandResult::PlayerWins, std::move(text));
        } else if (state.PlayerTotal >= 22) {
            std::string text = PlayerCardOutcome(game, ", which put you over 21. ", "You lose $");
            SettleHand(game, 0, HandResult::DealerWins, std::move(text));
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
            Player1Draw(game);
        });
    });
}

void btnStay_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnStay_Click()", [&] {
            if (game.state.PlayerTotal >= 22) {
                return;
            }
            StopSpeech(game);
            Speak(game, "The player stays. ");
            Delay(game, 10);
            DealToDealer(game);
        });
    });
}

}  // namespace game
