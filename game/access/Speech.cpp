#include "game/access/Speech.h"

#include <string>
#include <utility>

#include "game/access/ScreenReader.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

speech::Voice& JfwVoice(Game& game) {
    if (!game.jfwVoice) {
        game.jfwVoice = MakeVoice(game, speech::Reader::Jfw);
    }
    return *game.jfwVoice;
}

speech::Voice& WeVoice(Game& game) {
    if (!game.state.WESpeech) {
        throw GameError(kObjectNotSet);
    }
    return *game.state.WESpeech;
}

void Say(Game& game, std::string_view text) {
    Guarded(game, Report::ShowError, " Speak()", [&] {
        if (ReaderIs(game, kJfw)) {
            JfwVoice(game).Say(text);
        } else if (ReaderIs(game, kWe) && !text.empty()) {
            WeVoice(game).Say(text);
        }
    });
    // The coach's warning about a play follows that play's first words.
    if (!game.state.Coach.PendingWarning.empty()) {
        const std::string warning = std::exchange(game.state.Coach.PendingWarning, {});
        Speak(game, warning);
    }
}

}  // namespace

void Speak(Game& game, std::string_view text) {
    game.speechHistory.Add(text);
    Say(game, text);
}

void SpeakAgain(Game& game, std::string_view text) {
    Say(game, text);
}

std::unique_ptr<speech::Voice> MakeVoice(Game& game, speech::Reader reader) {
    std::unique_ptr<speech::Voice> voice = game.makeVoice(reader);
    if (game.options.speechRate) {
        voice->SetRate(*game.options.speechRate);
    }
    return voice;
}

void ApplySpeechRate(Game& game) {
    if (!game.options.speechRate) {
        return;
    }
    for (speech::Voice* voice : {game.jfwVoice.get(), game.state.WESpeech.get()}) {
        if (voice != nullptr) {
            voice->SetRate(*game.options.speechRate);
        }
    }
}

void SayForScreenReader(Game& game, std::string_view text) {
    try {
        if (ReaderIs(game, kJfw)) {
            JfwVoice(game).Announce(text);
        } else if (ReaderIs(game, kWe) && game.state.WESpeech) {
            WeVoice(game).Announce(text);
        }
    } catch (const speech::Error&) {
        // An error box on every key the player presses would bury the game; its own next Speak
        // reports the failing service.
    }
}

void StopSpeech(Game& game) {
    Guarded(game, Report::ShowError, " StopSpeech()", [&] {
        if (ReaderIs(game, kJfw)) {
            JfwVoice(game).Stop();
        } else if (ReaderIs(game, kWe)) {
            WeVoice(game).Stop();
        }
    });
}

void Delay(Game& game, Int16 count) {
    Guarded(game, Report::MessageBox, " in Delay()", [&] {
        const Int16 span = count * 100;
        if (span <= 0) {
            return;
        }
        // The deadline is on the 64-bit clock, so a wrap of the 32-bit tick counter can never
        // stretch the wait.
        WaitUntil(game, game.backend.NowMs() + static_cast<std::uint64_t>(span.Value()));
    });
}

void WaitUntil(Game& game, std::uint64_t deadlineMs) {
    ui::Backend& backend = game.backend;
    while (backend.NowMs() < deadlineMs) {
        backend.ProcessEventsUntil(deadlineMs);
    }
}

}  // namespace game
