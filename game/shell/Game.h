// The one game instance: the shared state, the three windows and the services they use. Every
// operation of the game takes it as its first argument.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/access/AboutForm.h"
#include "game/access/ReaderForm.h"
#include "game/shell/GameScreenForm.h"
#include "game/shell/GameState.h"
#include "game/shell/Operations.h"
#include "game/sound/SonivelHost.h"
#include "platform/settings/Store.h"
#include "platform/speech/Voice.h"
#include "platform/ui/Backend.h"

namespace game {

// Makes the speech back end of a reader; throws speech::Error when it cannot.
using VoiceFactory = std::function<std::unique_ptr<speech::Voice>(speech::Reader)>;

// What a script or a test fixes about the coming shuffles.
struct ShuffleControl {
    // Every shuffle draws from a generator seeded with this instead of the clock.
    std::optional<std::uint32_t> seed;
    // Cards (1 to 52) that the next shuffle puts on top of the deck, in dealing order.
    std::vector<std::int16_t> stackedDeck;
    // Shuffles made so far in this run; with a fixed seed each shuffle still gets its own order.
    std::uint32_t shuffles = 0;
};

// Arrivals of the focus in the player's cards, and the pauses that follow them.
struct PlayerCardsFocus {
    std::uint32_t arrivals = 0;
    std::uint64_t lastArrivalMs = 0;
    // The latest arrival came while too many pauses ran to start one of its own: the innermost
    // running pause reads the cards for it.
    bool latestLeftToAPause = false;
    int pausesRunning = 0;
};

struct Game {
    // Builds the windows and connects their events; the store's writes are reported to the back
    // end as "setting" events.
    Game(ui::Backend& backend, settings::Store& store, VoiceFactory makeVoice);

    ui::Backend& backend;
    settings::Store& store;
    VoiceFactory makeVoice;
    GameState state;
    // The "JFW" voice, made at its first use so that the game runs without that service.
    std::unique_ptr<speech::Voice> jfwVoice;
    ShuffleControl shuffle;
    // A deal or a play command is running, perhaps pausing: play commands given meanwhile are
    // ignored, so that none acts twice on one hand.
    bool playBusy = false;
    // The player's cards getting the focus: under JAWS the cards are read a second after an
    // arrival, and only for the latest one, however many arrived during that second.
    PlayerCardsFocus playerCardsFocus;
    // The operations running now, and work waiting until none runs.
    Operations operations{backend};
    // A New Game is under way (in its pauses): another asked for meanwhile is that same one.
    bool newGameRunning = false;

    GameScreenForm GameScreen;
    ReaderForm frmReader;
    AboutForm frmAbout;
    // The wave control on GameScreen (created by its Form_Load); last, so it goes first.
    SonivelHost sonivel{backend, store};
};

}  // namespace game
