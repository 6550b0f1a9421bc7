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

// Pauses after the focus arrives in the player's cards that may run one inside another.
constexpr int kMostNestedCardPauses = 2;
constexpr std::uint64_t kCardReadingPauseMs = 1000;

// Counts a pause after an arrival in the player's cards as running for as long as it lives.
class CardPause {
public:
    explicit CardPause(PlayerCardsFocus& focus) : m_focus(focus) { ++m_focus.pausesRunning; }
    ~CardPause() { --m_focus.pausesRunning; }
    CardPause(const CardPause&) = delete;
    CardPause& operator=(const CardPause&) = delete;

private:
    PlayerCardsFocus& m_focus;
};

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
        PlayerCardsFocus& focus = game.playerCardsFocus;
        std::uint32_t readFor = ++focus.arrivals;
        focus.lastArrivalMs = game.backend.NowMs();
        StopSpeech(game);
        Speak(game, " your cards ");
        game.GameScreen.txtPlayer.ResetCaret();
        // A key held down (Tab round the table) brings the focus back inside this pause again
        // and again; nested without end, the pauses would exhaust the stack. Past a small depth
        // an arrival leaves its pause and its reading to the innermost pause running.
        focus.latestLeftToAPause = focus.pausesRunning >= kMostNestedCardPauses;
        if (focus.latestLeftToAPause) {
            return;
        }
        const CardPause pause(focus);
        Delay(game, 10);
        while (focus.latestLeftToAPause && focus.arrivals != readFor) {
            readFor = focus.arrivals;
            focus.latestLeftToAPause = false;
            WaitUntil(game, focus.lastArrivalMs + kCardReadingPauseMs);
        }
        // The cards are read for the latest arrival only, if the player is still here and the
        // hand is not over. Keys handled during the pause may have taken the focus elsewhere,
        // brought it back (a split shows each hand anew: that newer arrival reads them), or
        // ended the hand.
        const bool stillHere = readFor == focus.arrivals &&
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
