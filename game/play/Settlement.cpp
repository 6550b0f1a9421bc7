#include "game/play/Settlement.h"

#include "game/cards/BlackJack.h"
#include "game/cards/HandValues.h"
#include "game/rules/HandValue.h"
#include "game/shell/Game.h"
#include "game/shell/StatisticsKeeping.h"
#include "game/shell/TableLabels.h"
#include "game/sound/Sound.h"

namespace game {

Int32 Returned(rules::Result result, Int32 bet) {
    return rules::Returned(result, bet, rules::kGameRules);
}

void SettleHand(Game& game, rules::Result result, std::string text) {
    GameState& state = game.state;
    GameScreenForm& screen = game.GameScreen;
    state.Stakes += Returned(result, state.Bet);
    CountHand(game, {.result = result,
                     .blackJack = PlayerBlackJack(game),
                     .fiveCards = result == rules::Result::Win &&
                                  rules::IsFiveCardWin(PlayerHandValue(state), rules::kGameRules),
                     .doubled = state.DoubledDown});
    EndDealStatistics(game);
    StakesShow(game);
    BetHide(game);
    state.GameInProgress = false;
    switch (result) {
        case rules::Result::Win:
        case rules::Result::BlackjackWin:
            state.PlayerWinsText = std::move(text);
            PlaySound(game, "\\youwin.wav");
            screen.tmrPlayerWins.SetEnabled(true);
            break;
        case rules::Result::Lose:
            state.DealerWinsText = std::move(text);
            PlaySound(game, "\\youlose.wav");
            screen.tmrDealerWins.SetEnabled(true);
            break;
        case rules::Result::Draw:
            state.DrawText = std::move(text);
            PlaySound(game, "\\draw.wav");
            screen.tmrDraw.SetEnabled(true);
            break;
    }
}

}  // namespace game
