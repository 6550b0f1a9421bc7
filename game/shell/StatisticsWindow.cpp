#include "game/shell/StatisticsWindow.h"

#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"
#include "game/shell/StatisticsKeeping.h"

namespace game {

namespace statistics {

void Form_Load(Game& game) {
    StatisticsForm& form = game.frmStatistics;
    form.txtStatistics.SetCaption(StatisticsText(game.statistics));
    form.txtStatistics.SetFocus();
}

void btnResetAllTime_Click(Game& game) {
    Guarded(game, Report::ShowError, " btnResetAllTime_Click()", [&] {
        if (!AskYesNo(game, "Statistics", "Reset the all-time statistics to zero?")) {
            return;
        }
        ResetAllTimeStatistics(game);
        Form_Load(game);
        StopSpeech(game);
        Speak(game, "All-time statistics reset.");
    });
}

void btnClose_Click(Game& game) {
    game.frmStatistics.Unload();
}

}  // namespace statistics

void mnuGameStatistics_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuGameStatistics_Click()",
            [&] { game.frmStatistics.ShowModal(); });
}

void ConnectStatisticsWindow(Game& game) {
    StatisticsForm& form = game.frmStatistics;
    form.onLoad = [&game] { statistics::Form_Load(game); };
    form.btnResetAllTime.onClick = [&game] { statistics::btnResetAllTime_Click(game); };
    form.btnClose.onClick = [&game] { statistics::btnClose_Click(game); };
    game.GameScreen.mnuGameStatistics.onClick = [&game] { mnuGameStatistics_Click(game); };
}

}  // namespace game
