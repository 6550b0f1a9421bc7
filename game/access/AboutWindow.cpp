#include "game/access/AboutWindow.h"

#include <string>

#include "game/shell/Game.h"

namespace game {

namespace about {

void Form_Load(Game& game) {
    AboutForm& form = game.frmAbout;
    form.lblVersion.SetCaption("Version " + std::to_string(VENTRA_VERSION_MAJOR) + "." +
                               std::to_string(VENTRA_VERSION_MINOR) + "." +
                               std::to_string(VENTRA_VERSION_PATCH));
    form.lblTitle.SetCaption("About " + game.backend.Title());
    form.lblDisclaimer.SetCaption(std::string(kAboutNotice));
    form.lblDescription.SetCaption(std::string(kAboutWebSite));
}

void cmdOK_Click(Game& game) {
    game.frmAbout.Unload();
}

}  // namespace about

void ConnectAboutWindow(Game& game) {
    AboutForm& form = game.frmAbout;
    form.onLoad = [&game] { about::Form_Load(game); };
    form.cmdOK.onClick = [&game] { about::cmdOK_Click(game); };
}

}  // namespace game
