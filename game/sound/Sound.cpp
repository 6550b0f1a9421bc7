#include "game/sound/Sound.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>

#include "game/shell/Game.h"
#include "wavecontrol/SonivelIds.h"

namespace game {

namespace {

using automation::HResult;
using automation::Variant;

// The media layer's "every wave output device is in use": worth playing again.
constexpr std::int32_t kOutputsInUse = 320;
// How often, and how far apart, a busy output is tried again before the sound is dropped: about
// a second in all, after which the sound would come too late to mean anything.
constexpr int kBusyRetries = 10;
constexpr std::chrono::milliseconds kBusyPause{100};

// A failure of the automation layer, with the result code that the player's box shows.
class SoundError : public std::runtime_error {
public:
    SoundError(HResult hr, const std::string& description)
        : std::runtime_error(description + " (" + automation::ResultName(hr) + ")"), m_hr(hr) {}
    HResult Result() const { return m_hr; }

private:
    HResult m_hr;
};

automation::IDispatch& Control(const Game& game) {
    automation::IDispatch* control = game.sonivel.Dispatch();
    if (!control) {
        throw SoundError(game.sonivel.CreationResult(), "The wave control is not available");
    }
    return *control;
}

Variant Call(automation::IDispatch& control, automation::DispId id, const char* method,
             std::span<const Variant> args = {}) {
    Variant result;
    if (const HResult hr = control.Invoke(id, args, &result); automation::Failed(hr)) {
        throw SoundError(hr, std::string("The wave control refused ") + method);
    }
    return result;
}

std::int32_t ErrorCode(automation::IDispatch& control) {
    Variant code;
    const HResult hr = Call(control, sonivel::dispid::GetErrorCode, "GetErrorCode")
                           .ChangeType(automation::VarType::Long, code);
    if (automation::Failed(hr)) {
        throw SoundError(hr, "The wave control's GetErrorCode gave no number");
    }
    return code.Long();
}

void Play(Game& game, std::string_view fileName) {
    automation::IDispatch& control = Control(game);
    const std::string path = game.backend.ProgramFolder().string() + std::string(fileName);
    // A missing or unreadable file fails inside the control with a code other than 320, so the
    // game goes on without a sound and without a word.
    Call(control, sonivel::dispid::Open, "Open", std::array{Variant(path)});
    const std::array play{Variant(std::int32_t{0}), Variant(std::int32_t{-1}), Variant(true)};
    Call(control, sonivel::dispid::Play, "Play", play);
    // The pause is a plain sleep, not an event-processing wait: no handler may run in the
    // middle of a sound, since the callers go on as if it had played.
    for (int retries = 0; ErrorCode(control) == kOutputsInUse && retries < kBusyRetries;
         ++retries) {
        std::this_thread::sleep_for(kBusyPause);
        Call(control, sonivel::dispid::Play, "Play", play);
    }
    Call(control, sonivel::dispid::Close, "Close");
}

void ShowSoundError(Game& game, HResult hr, const std::string& description) {
    // The number is the 32-bit result code as an unsigned decimal (0x80040154 is 2147746132).
    const std::string number = std::to_string(static_cast<std::uint32_t>(hr));
    game.backend.ShowMessageBox({"Error: " + number + " " + description + " in PlaySound()",
                                 ui::Buttons::Ok, ui::Icon::Information, "Sounds Module"});
}

}  // namespace

void PlaySound(Game& game, std::string_view fileName) {
    // Turned off in the Options menu: nothing plays, and the game goes on at once.
    if (!game.options.soundsOn) {
        return;
    }
    game.backend.Report("sound", {{"file", fileName}});
    try {
        Play(game, fileName);
    } catch (const SoundError& error) {
        ShowSoundError(game, error.Result(), error.what());
    } catch (const std::exception& error) {
        ShowSoundError(game, automation::E_FAIL, error.what());
    }
}

}  // namespace game
