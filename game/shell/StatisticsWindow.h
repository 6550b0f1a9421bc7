// The events of the statistics window frmStatistics, opened from the Game menu.
#pragma once

namespace game {

struct Game;

namespace statistics {

// Fills the text with both columns.
void Form_Load(Game& game);
// Asks first; No keeps the figures.
void btnResetAllTime_Click(Game& game);
void btnClose_Click(Game& game);

}  // namespace statistics

void mnuGameStatistics_Click(Game& game);
void ConnectStatisticsWindow(Game& game);

}  // namespace game
