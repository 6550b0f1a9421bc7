#include "game/play/Settlement.h"

#include "game/cards/BlackJack.h"
#include "game/shell/Game.h"
#include "game/shell/StatisticsKeeping.h"
#include "game/shell/TableLabels.h"
#include "game/sound/Sound.h"

namespace game {

void SettleHand(Game& game, Int32 payout, HandResult result, std::string text) {
    GameState& state = game.state;
    GameScreenForm& screen = game.GameScreen;
    state.Stakes += payout;
    CountHand(game, {.result = result,
                     .blackJack = PlayerBlackJack(game),
                     .fiveCards = result == HandResult::PlayerWins &&
                                  WinsByFiveCards(state.PlayerCardCount, state.PlayerTotal),
                     .doubled = state.DoubledDown});
    EndDealStatistics(game);
    StakesShow(game);
    BetHide(game);
    state.GameInProgress = false;
    switch (result) {
        case HandResult::PlayerWins:
            state.PlayerWinsText = std::move(text);
            PlaySound(game, "\\youwin.wav");
            screen.tmrPlayerWins.SetEnabled(true);
            break;
        case HandResult::DealerWins:
            state.DealerWinsText = std::move(text);
            PlaySound(game, "\\youlose.wav");
            screen.tmrDealerWins.SetEnabled(true);
            break;
        case HandResult::Draw:
            state.DrawText = std::move(text);
            PlaySound(game, "\\draw.wav");
            screen.tmrDraw.SetEnabled(true);
            break;
    }
}

}  // namespace game
