#include "game/access/HelpMenu.h"

#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

void mnuHelpContents_Click(Game& game) {
    Guarded(game, Report::ShowError, "mnuHelpContents_Click()",
            [&] { RunHelp(game, game.backend.HelpFile()); });
}

void mnuHelpAbout_Click(Game& game) {
    Guarded(game, Report::ShowError, "mnuHelpAbout_Click()", [&] { game.frmAbout.ShowModal(); });
}

void RunHelp(Game& game, const std::string& path) {
    Guarded(game, Report::MessageBox, " in RunHelp()", [&] { game.backend.OpenDocument(path); });
}

}  // namespace game
