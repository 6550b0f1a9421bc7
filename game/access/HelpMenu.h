// The Help menu: the help document, opened with the desktop's own program, and the About window.
#pragma once

#include <string>

namespace game {

struct Game;

// "&Help Topics F1 ": the application's help file.
void mnuHelpContents_Click(Game& game);
// "&About Ventrelle...": the About window, modal; returns when it is closed.
void mnuHelpAbout_Click(Game& game);

// Asks the desktop to open the document and returns at once; whether it could is not examined,
// so a missing document gives no message of the game's own.
void RunHelp(Game& game, const std::string& path);

}  // namespace game
