// What the player chose in the Options menu, kept in the settings store (section "Options") from
// one run to the next: the speech rate and the level of the sounds.
#pragma once

#include <optional>

#include "platform/settings/Store.h"

namespace game {

struct PlayerOptions {
    static constexpr int kRateStep = 10;
    static constexpr int kVolumeStep = 10;
    static constexpr int kSoftestVolume = 10;
    static constexpr int kFullVolume = 100;

    // The speech rate (speech::RatePercent) once the player chose one; until then each voice
    // speaks at its own rate.
    std::optional<int> speechRate;
    // The sounds' level in percent of their recorded level, 10 to 100.
    int soundVolume = kFullVolume;
    bool soundsOn = true;
};

// The stored options; a missing or damaged value (not a number, out of range) gives its default.
PlayerOptions LoadPlayerOptions(const settings::Store& store);

// Store one option each ("SpeechRate", "SoundVolume", "Sounds" = "On" or "Off"). Throw what the
// store throws.
void SaveSpeechRate(settings::Store& store, const PlayerOptions& options);
void SaveSounds(settings::Store& store, const PlayerOptions& options);

}  // namespace game
