#include "game/access/ReaderWindow.h"

#include <string>

#include "game/access/ScreenReader.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

constexpr const char* kMustChoose =
    "You must choose the type of screen reader software you are using. ";

}  // namespace

namespace reader {

void Form_Load(Game& game) {
    ui::Control& list = game.frmReader.lstReader;
    list.ClearItems();
    list.AddItem("JAWS For Windows");
    list.AddItem("Window-Eyes");
    list.SetListIndex(0);
}

void btnOK_Click(Game& game) {
    Guarded(game, Report::ShowError, "btnOK_Click()", [&] {
        switch (game.frmReader.lstReader.ListIndex()) {
            case 0:
                game.state.ScreenReader = kJfw;
                break;
            case 1:
                game.state.ScreenReader = kWe;
                break;
            default:
                game.state.ScreenReader = kNone;
                break;
        }
        game.frmReader.Unload();
    });
}

void Form_Unload(Game& game, bool& cancel) {
    Guarded(game, Report::ShowError, "Form_Unload()", [&] {
        // An empty choice (the window closed at the first start without OK) would leave the game
        // silent for good, so it is refused like "None".
        if (ReaderIs(game, kNone) || ReaderIs(game, "")) {
            game.backend.ShowMessageBox(
                {kMustChoose, ui::Buttons::Ok, ui::Icon::Information, game.frmReader.Caption()});
            cancel = true;
        }
    });
}

}  // namespace reader

void ConnectReaderWindow(Game& game) {
    ReaderForm& form = game.frmReader;
    form.onLoad = [&game] { reader::Form_Load(game); };
    form.onUnload = [&game](bool& cancel) { reader::Form_Unload(game, cancel); };
    form.btnOK.onClick = [&game] { reader::btnOK_Click(game); };
}

}  // namespace game
