#include "game/shell/GameScreenEvents.h"

#include "game/access/ScreenReader.h"
#include "game/play/DoubleDown.h"
#include "game/play/Insurance.h"
#include "game/play/PlayerTurn.h"
#include "game/play/SplitPairs.h"
#include "game/play/SplitSettlement.h"
#include "game/shell/BetWindow.h"
#include "game/shell/Game.h"
#include "game/shell/GameMenu.h"
#include "game/shell/GameScreen.h"
#include "game/shell/Results.h"
#include "game/shell/Stakes.h"
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

    screen.btnStakesOK.onClick = [&game] { btnStakesOK_Click(game); };
    screen.btnBetOK.onClick = [&game] { btnBetOK_Click(game); };

    screen.btnHit.onClick = [&game] { btnHit_Click(game); };
    screen.btnStay.onClick = [&game] { btnStay_Click(game); };
    screen.btnDouble.onClick = [&game] { btnDouble_Click(game); };
    screen.btnSplit.onClick = [&game] { btnSplit_Click(game); };
    screen.btnInsurance.onClick = [&game] { btnInsurance_Click(game); };

    screen.tmrPlayerWins.onTimer = [&game] { tmrPlayerWins_Timer(game); };
    screen.tmrDealerWins.onTimer = [&game] { tmrDealerWins_Timer(game); };
    screen.tmrDraw.onTimer = [&game] { tmrDraw_Timer(game); };
    screen.tmrSplit.onTimer = [&game] { tmrSplit_Timer(game); };
    screen.btnSameBet.onClick = [&game] { btnSameBet_Click(game); };
    screen.btnNewBet.onClick = [&game] { btnNewBet_Click(game); };
    screen.btnExitGame.onClick = [&game] { btnExitGame_Click(game); };
}

}  // namespace game
