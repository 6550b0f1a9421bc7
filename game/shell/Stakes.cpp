#include "game/shell/Stakes.h"

#include <string>

#include "game/access/Speech.h"
#include "game/shell/BetWindow.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/StatisticsKeeping.h"

namespace game {

namespace {

constexpr int kStakesStep = 1000;
constexpr int kStakesEntries = 10;

}  // namespace

void LoadStakes(Game& game) {
    Guarded(game, Report::ShowError, " LoadStakes()", [&] {
        StopSpeech(game);
        GameScreenForm& screen = game.GameScreen;
        screen.frameStakes.SetVisible(true);
        screen.lstStakes.ClearItems();
        for (int entry = 1; entry <= kStakesEntries; ++entry) {
            screen.lstStakes.AddItem("$" + std::to_string(entry * kStakesStep));
        }
        screen.lstStakes.SetListIndex(0);
        screen.lstStakes.SetFocus();
    });
}

void btnStakesOK_Click(Game& game) {
    Guarded(game, Report::ShowError, " btnStakesOK_Click()", [&] {
        GameState& state = game.state;
        GameScreenForm& screen = game.GameScreen;
        const int entry = screen.lstStakes.ListIndex();
        if (entry >= 0) {
            state.Stakes = (entry + 1) * kStakesStep;
        }
        BeginGameStatistics(game);
        screen.frameStakes.SetVisible(false);
        state.Bet = 0;
        state.BetListIndex = 0;
        state.DealPosition = 0;
        LoadBetWindow(game);
    });
}

}  // namespace game
