#include "game/shell/PlayerOptions.h"

#include <string>

#include "game/shell/StoredNumber.h"
#include "platform/speech/Voice.h"

namespace game {

namespace {

constexpr std::string_view kSection = "Options";
constexpr std::string_view kSpeechRate = "SpeechRate";
constexpr std::string_view kSoundVolume = "SoundVolume";
constexpr std::string_view kSounds = "Sounds";
constexpr std::string_view kOn = "On";
constexpr std::string_view kOff = "Off";

}  // namespace

PlayerOptions LoadPlayerOptions(const settings::Store& store) {
    PlayerOptions options;
    if (const auto rate =
            ReadStoredNumber(store, kSection, kSpeechRate, speech::RatePercent::kSlowest,
                             speech::RatePercent::kFastest)) {
        options.speechRate = static_cast<int>(*rate);
    }
    if (const auto volume =
            ReadStoredNumber(store, kSection, kSoundVolume, PlayerOptions::kSoftestVolume,
                             PlayerOptions::kFullVolume)) {
        options.soundVolume = static_cast<int>(*volume);
    }
    options.soundsOn = store.Get(SectionKey(kSection), kSounds) != std::string(kOff);
    return options;
}

void SaveSpeechRate(settings::Store& store, const PlayerOptions& options) {
    if (options.speechRate) {
        store.Set(SectionKey(kSection), kSpeechRate, std::to_string(*options.speechRate));
    }
}

void SaveSounds(settings::Store& store, const PlayerOptions& options) {
    store.SetValues(SectionKey(kSection),
                    {{std::string(kSoundVolume), std::to_string(options.soundVolume)},
                     {std::string(kSounds), std::string(options.soundsOn ? kOn : kOff)}});
}

}  // namespace game
