#include "game/access/FocusAnnouncements.h"

#include <cstdint>
#include <string_view>

#include "game/access/ScreenReader.h"
#include "game/access/Speech.h"
#include "game/cards/HandDisplay.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

// Window-Eyes does not name a list that takes the focus; the game does it for that reader.
void NameListForWindowEyes(Game& game, std::string_view name) {
    if (ReaderIs(game, kWe)) {
        StopSpeech(game);
        Speak(game, name);
    }
}

}  // namespace

void txtPlayer_GotFocus(Game& game) {
    Guarded(game, Report::MessageBox, " in txtPlayer_GotFocus()", [&] {
        const std::uint32_t arrival = ++game.playerCardsFocusCount;
        StopSpeech(game);
        Speak(game, " your cards ");
        game.GameScreen.txtPlayer.ResetCaret();
        Delay(game, 10);
        // Keys handled during the pause may have moved the focus here again (a split shows each
        // hand anew), and that newer arrival reads the cards, so they are not read once per
        // arrival; or they may have ended the hand, and there is nothing left to read.
        if (ReaderIs(game, kJfw) && arrival == game.playerCardsFocusCount &&
            game.state.GameInProgress) {
            ReadPlayerCards(game);
        }
    });
}

void txtDealer_GotFocus(Game& game) {
    Guarded(game, Report::MessageBox, " in txtDealer_GotFocus()", [&] {
        StopSpeech(game);
        Speak(game, " dealers cards ");
        game.GameScreen.txtDealer.ResetCaret();
    });
}

void lstStakes_GotFocus(Game& game) {
    Guarded(game, Report::ShowError, " lstStakes_GotFocus()",
            [&] { NameListForWindowEyes(game, " stakes list box "); });
}

void lstBet_GotFocus(Game& game) {
    Guarded(game, Report::ShowError, " lstBet_GotFocus()",
            [&] { NameListForWindowEyes(game, " bet list box "); });
}

}  // namespace game
