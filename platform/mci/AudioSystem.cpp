#include "platform/mci/AudioSystem.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <mutex>
#include <string>
#include <string_view>

namespace mci {
namespace {

// SDL keeps a table of open devices without locks of its own: opening and closing from the
// command thread and the session threads go through this one lock.
std::mutex& SdlLock() {
    static std::mutex lock;
    return lock;
}

bool AudioSystemReady() {
    static const bool ready = [] {
        // SDL's own SIGINT and SIGTERM handlers only queue a quit event that no host of ours
        // reads: with them, Ctrl+C, kill and logging out no longer end the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    }();
    return ready;
}

bool ForcedBusy(AudioDirection direction) {
    const char* value =
        std::getenv(direction == AudioDirection::Playback ? "VENTRA_MCI_BUSY_OUTPUTS"
                                                          : "VENTRA_MCI_BUSY_INPUTS");
    return value != nullptr && std::string_view(value) == "1";
}

bool SaysBusy(std::string message) {
    std::transform(message.begin(), message.end(), message.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return message.find("busy") != std::string::npos;
}

// The slowest rate the device runs at: a sound below it has each of its frames repeated.
constexpr std::uint32_t kLowestDeviceRate = 1000;

std::uint32_t FrameRepeat(std::uint32_t samplesPerSec) {
    return samplesPerSec >= kLowestDeviceRate
               ? 1
               : (kLowestDeviceRate + samplesPerSec - 1) / samplesPerSec;
}

// A power of two: about 10 ms of frames, fewer for a shorter sound (`soundFrames`, 0 when not
// known), so that its end is seen soon after its last frame, but never under 1 ms (SDL's dummy and
// disk drivers sleep a buffer's whole milliseconds and would spin on less).
Uint16 BufferFrames(std::uint32_t deviceRate, std::uint64_t soundFrames) {
    Uint16 longest = 1;
    while (longest < 4096 && longest < deviceRate / 100) {
        longest = static_cast<Uint16>(longest * 2);
    }
    Uint16 frames = 1;
    while (frames < longest &&
           (frames < (deviceRate + 999) / 1000 || soundFrames == 0 || frames < soundFrames)) {
        frames = static_cast<Uint16>(frames * 2);
    }
    return frames;
}

}  // namespace

AudioOpenResult OpenAudio(AudioDirection direction, const WaveFormat& format, std::uint64_t frames,
                          SDL_AudioCallback callback, void* userdata) {
    const bool playback = direction == AudioDirection::Playback;
    const ErrorCode busy = playback ? ErrWaveOutputsInUse : ErrWaveInputsInUse;
    const ErrorCode unsuitable = playback ? ErrWaveOutputsUnsuitable : ErrWaveInputsUnsuitable;
    if (ForcedBusy(direction)) {
        return {0, 1, busy};
    }
    if (format.channels > 8 ||
        format.samplesPerSec > static_cast<std::uint32_t>(std::numeric_limits<int>::max())) {
        return {0, 1, unsuitable};
    }
    std::lock_guard lock(SdlLock());
    if (!AudioSystemReady()) {
        return {0, 1, unsuitable};
    }
    const std::uint32_t repeat = FrameRepeat(format.samplesPerSec);
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(format.samplesPerSec * repeat);
    wanted.format = format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB;
    wanted.channels = static_cast<Uint8>(format.channels);
    wanted.samples = BufferFrames(format.samplesPerSec * repeat, frames * repeat);
    wanted.callback = callback;
    wanted.userdata = userdata;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, playback ? 0 : 1, &wanted, &obtained, 0);
    if (device == 0) {
        return {0, 1, SaysBusy(SDL_GetError()) ? busy : unsuitable};
    }
    return {device, repeat, Ok};
}

void StartAudio(SDL_AudioDeviceID device) {
    std::lock_guard lock(SdlLock());
    SDL_PauseAudioDevice(device, 0);
}

void CloseAudio(SDL_AudioDeviceID device) {
    std::lock_guard lock(SdlLock());
    SDL_CloseAudioDevice(device);
}

bool AudioAlive(SDL_AudioDeviceID device) {
    return SDL_GetAudioDeviceStatus(device) != SDL_AUDIO_STOPPED;
}

}  // namespace mci
