#include "game/shell/OptionsMenu.h"

#include <algorithm>
#include <string>

#include "game/access/Coaching.h"
#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "platform/mci/OutputVolume.h"

namespace game {

namespace {

void Confirm(Game& game, const std::string& text) {
    StopSpeech(game);
    Speak(game, text);
}

// Until the player first changes it, the rate counts from the voice's usual one.
void ChangeRate(Game& game, int step) {
    PlayerOptions& options = game.options;
    const int rate = options.speechRate.value_or(speech::RatePercent::kUsual) + step;
    options.speechRate =
        std::clamp(rate, speech::RatePercent::kSlowest, speech::RatePercent::kFastest);
    ApplySpeechRate(game);
    SaveSpeechRate(game.store, options);
    Confirm(game, "Speech rate " + std::to_string(*options.speechRate) + " percent");
}

void ApplySounds(Game& game) {
    const PlayerOptions& options = game.options;
    mci::SetOutputVolume(options.soundVolume);
}

void ChangeVolume(Game& game, int step) {
    PlayerOptions& options = game.options;
    options.soundVolume = std::clamp(options.soundVolume + step, PlayerOptions::kSoftestVolume,
                                     PlayerOptions::kFullVolume);
    ApplySounds(game);
    SaveSounds(game.store, options);
    Confirm(game, "Sounds " + std::to_string(options.soundVolume) + " percent");
}

}  // namespace

void LoadOptions(Game& game) {
    game.options = LoadPlayerOptions(game.store);
    ApplySounds(game);
}

void mnuOptionsFaster_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuOptionsFaster_Click()",
            [&] { ChangeRate(game, PlayerOptions::kRateStep); });
}

void mnuOptionsSlower_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuOptionsSlower_Click()",
            [&] { ChangeRate(game, -PlayerOptions::kRateStep); });
}

void mnuOptionsLouder_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuOptionsLouder_Click()",
            [&] { ChangeVolume(game, PlayerOptions::kVolumeStep); });
}

void mnuOptionsSofter_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuOptionsSofter_Click()",
            [&] { ChangeVolume(game, -PlayerOptions::kVolumeStep); });
}

void mnuOptionsSounds_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuOptionsSounds_Click()", [&] {
        PlayerOptions& options = game.options;
        options.soundsOn = !options.soundsOn;
        SaveSounds(game.store, options);
        Confirm(game, options.soundsOn ? "Sounds on" : "Sounds off");
    });
}

void ConnectOptionsMenu(Game& game) {
    GameScreenForm& screen = game.GameScreen;
    screen.mnuOptionsFaster.onClick = [&game] { mnuOptionsFaster_Click(game); };
    screen.mnuOptionsSlower.onClick = [&game] { mnuOptionsSlower_Click(game); };
    screen.mnuOptionsLouder.onClick = [&game] { mnuOptionsLouder_Click(game); };
    screen.mnuOptionsSofter.onClick = [&game] { mnuOptionsSofter_Click(game); };
    screen.mnuOptionsSounds.onClick = [&game] { mnuOptionsSounds_Click(game); };
    screen.mnuOptionsCoachWarns.onClick = [&game] { mnuOptionsCoachWarns_Click(game); };
}

}  // namespace game
