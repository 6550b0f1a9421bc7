#include "game/shell/GameScreenEvents.h"

#include <functional>

#include "game/access/Coaching.h"
#include "game/access/FocusAnnouncements.h"
#include "game/access/HelpMenu.h"
#include "game/access/PlayerKeys.h"
#include "game/access/ScreenReader.h"
#include "game/access/WindowKeys.h"
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

namespace {

// A control's focus event, handled once the work that moved the focus is done, as the platform
// delivers it: the deal gives txtPlayer the focus and then silences the reader, which must not
// cut off the cards that the focus event reads out.
std::function<void()> AfterFocusMoved(Game& game, void (*handler)(Game&)) {
    return [&game, handler] { game.backend.Post([&game, handler] { handler(game); }); };
}

// The keys and focus events of the controls a player works in. The window's own key-down
// takes no action, so it has no handler: a key there keeps its usual meaning.
void ConnectKeys(Game& game) {
    GameScreenForm& screen = game.GameScreen;
    screen.txtPlayer.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        txtPlayer_KeyDown(game, keyCode);
    };
    screen.txtPlayer.onGotFocus = AfterFocusMoved(game, txtPlayer_GotFocus);
    screen.txtDealer.onGotFocus = AfterFocusMoved(game, txtDealer_GotFocus);
    for (ui::Control* control : {&screen.txtDealer, &screen.btnHit, &screen.btnStay,
                                 &screen.btnDouble, &screen.btnSplit, &screen.btnInsurance}) {
        control->onKeyDown = [&game](int& keyCode, ui::Modifiers) {
            TableControl_KeyDown(game, keyCode);
        };
    }
    screen.lstStakes.onGotFocus = AfterFocusMoved(game, lstStakes_GotFocus);
    screen.lstStakes.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        lstStakes_KeyDown(game, keyCode);
    };
    screen.lstBet.onGotFocus = AfterFocusMoved(game, lstBet_GotFocus);
    screen.lstBet.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        lstBet_KeyDown(game, keyCode);
    };
    screen.txtResults.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        txtResults_KeyDown(game, keyCode);
    };
    screen.btnSameBet.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        btnSameBet_KeyDown(game, keyCode);
    };
    screen.btnNewBet.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        btnNewBet_KeyDown(game, keyCode);
    };
    screen.btnExitGame.onKeyDown = [&game](int& keyCode, ui::Modifiers) {
        btnExitGame_KeyDown(game, keyCode);
    };
}

}  // namespace

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
    screen.mnuHelpContents.onClick = [&game] { mnuHelpContents_Click(game); };
    screen.mnuHelpAbout.onClick = [&game] { mnuHelpAbout_Click(game); };
    screen.tmrBeginGame.onTimer = [&game] { tmrBeginGame_Timer(game); };
    ConnectKeys(game);

    screen.btnStakesOK.onClick = [&game] { btnStakesOK_Click(game); };
    screen.btnBetOK.onClick = [&game] { btnBetOK_Click(game); };

    screen.btnHit.onClick = [&game] { CoachedPlay(game, coach::Play::Hit, btnHit_Click); };
    screen.btnStay.onClick = [&game] { CoachedPlay(game, coach::Play::Stay, btnStay_Click); };
    screen.btnDouble.onClick = [&game] {
        CoachedPlay(game, coach::Play::DoubleDown, btnDouble_Click);
    };
    screen.btnSplit.onClick = [&game] { CoachedPlay(game, coach::Play::Split, btnSplit_Click); };
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
