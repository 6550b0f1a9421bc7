// The process's audio system: SDL2 audio started once, on first use, and playback and capture
// devices opened for a sound's own format (SDL converts to what the hardware takes).
//
// VENTRA_MCI_BUSY_OUTPUTS=1 (or VENTRA_MCI_BUSY_INPUTS=1) in the environment makes every
// playback (capture) open fail as if all devices were in use, for tests of the "busy" path.
#pragma once

#include <SDL_audio.h>

#include <cstdint>

#include "platform/mci/Mci.h"
#include "platform/mci/WaveFile.h"

namespace mci {

enum class AudioDirection { Playback, Capture };

struct AudioOpenResult {
    SDL_AudioDeviceID device = 0;
    // Frames of the device for each frame of the sound: sounds below 1000 Hz run the device at a
    // whole multiple of their rate, each frame repeated (or, recording, one frame kept of each
    // run), so that no device buffer lasts much longer than 10 ms.
    std::uint32_t repeat = 1;
    // ErrWaveOutputsInUse / ErrWaveInputsInUse when the device is busy;
    // ErrWaveOutputsUnsuitable / ErrWaveInputsUnsuitable when there is no audio system or no
    // device that takes the format.
    ErrorCode error = Ok;
};

// Opens the default device, paused, for a sound of `frames` frames (0: not known), with buffers
// of about 10 ms at most, fewer for a shorter sound: SDL's audio thread sleeps a whole buffer
// after each and waits two more when the device closes, and that is how late the end of a sound,
// a stop or a close is seen. `callback` runs on SDL's audio thread with `userdata`.
AudioOpenResult OpenAudio(AudioDirection direction, const WaveFormat& format, std::uint64_t frames,
                          SDL_AudioCallback callback, void* userdata);
// Lets an opened device run.
void StartAudio(SDL_AudioDeviceID device);
// Closes a device; once it returns the callback will not run again. Never call it from the
// callback itself.
void CloseAudio(SDL_AudioDeviceID device);
// True while the device still runs (false once it was lost, e.g. unplugged).
bool AudioAlive(SDL_AudioDeviceID device);

}  // namespace mci
