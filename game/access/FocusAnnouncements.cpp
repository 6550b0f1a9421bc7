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
        // The cards are read for this arrival only if the player is still here and the hand is
        // not over. Keys handled during the pause may have taken the focus elsewhere, brought it
        // back (a split shows each hand anew: that newer arrival reads them), or ended the hand.
        const bool stillHere = arrival == game.playerCardsFocusCount &&
                               game.GameScreen.ActiveControl() == &game.GameScreen.txtPlayer;
        if (ReaderIs(game, kJfw) && stillHere && game.state.GameInProgress) {
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
