#include "game/shell/GameScreenEvents.h"

#include "game/access/ScreenReader.h"
#include "game/shell/Game.h"
#include "game/shell/GameMenu.h"
#include "game/shell/GameScreen.h"
#include "game/shell/StartUp.h"

namespace game {

void ConnectGameScreen(Game& game) {
    GameScreenForm& screen = game.GameScreen;
    screen.onLoad = [&game] { Form_Load(game); };
    // The window's focus event is handled after the work that moved the focus, as the platform
    // delivers it: when the reader window closes at start-up, that is once the chosen reader's
    // voice exists, so the window's StopSpeech reaches it instead of failing.
    screen.onGotFocus = [&game] { game.backend.Post([&game] { Form_GotFocus(game); }); };
    screen.onUnload = [&game](bool& cancel) { Form_Unload(game, cancel); };
    screen.mnuGameNew.onClick = [&game] { mnuGameNew_Click(game); };
    screen.mnuGameReader.onClick = [&game] { mnuGameReader_Click(game); };
    screen.mnuGameExit.onClick = [&game] { mnuGameExit_Click(game); };
    screen.tmrBeginGame.onTimer = [&game] { tmrBeginGame_Timer(game); };
}

}  // namespace game
