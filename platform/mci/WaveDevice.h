// One open waveaudio device: a sound held in memory with a position, played and recorded
// through the audio system, edited and saved by commands.
//
// Recording inserts what it captures at its start position (the frames after it move back).
// Seek, delete and stop end playing or recording (notice: aborted); a new play or record
// supersedes the one before (notice: superseded); save ends a recording but not playback.
#pragma once

#include <SDL_audio.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/mci/AudioSystem.h"
#include "platform/mci/Command.h"
#include "platform/mci/Mci.h"
#include "platform/mci/OutputVolume.h"
#include "platform/mci/WaveFile.h"

namespace mci {

class WaveDevice {
public:
    WaveDevice(std::uint32_t id, WaveSound sound);
    ~WaveDevice();
    WaveDevice(const WaveDevice&) = delete;
    WaveDevice& operator=(const WaveDevice&) = delete;

    std::uint32_t Id() const { return m_id; }

    // Carries out every command but open and close; a status reply goes to `reply`.
    // `callback` receives the notice of a "notify" play or record.
    ErrorCode Execute(const Command& command, std::string& reply, NotifyTarget* callback);
    // True while `file` is one of the sound's files (WaveSound): nothing recorded or deleted
    // since it was read from or saved to it.
    bool HoldsFile(const files::FileStamp& file);
    // Ends playing or recording (aborted) before the device goes.
    void Close();
    // After Close: hands over the sound, whose memory another device reuses (as it is, when it
    // opens one of the sound's files); the device then holds an empty sound (a command that still
    // reaches it finds nothing to play or save).
    WaveSound ReleaseSound();

private:
    enum class Mode { Stopped, Playing, Recording };

    // One run of the audio device, from the command that starts it to the end of its thread.
    struct Session {
        bool running = false;
        bool paused = false;
        bool finished = false;   // ran to its end, or failed
        bool cancelled = false;  // ended by a later command
        ErrorCode failure = Ok;  // why it failed: the audio device was lost, memory ran out
        std::uint32_t endFlag = NotifyAborted;
        AudioDirection direction = AudioDirection::Playback;
        SDL_AudioDeviceID audio = 0;
        std::uint64_t start = 0;     // first frame
        std::uint64_t end = 0;       // frame to stop at (playback; capture: start + wanted frames)
        bool bounded = true;         // capture: false records until stopped
        std::uint64_t cursor = 0;    // playback: next frame to hand over
        std::uint32_t repeat = 1;    // device frames for each frame of the sound
        std::uint32_t repeated = 0;  // device frames given (or seen) of the current frame
        int volume = kFullVolume;    // playback: percent of the recorded level (OutputVolume)
        std::vector<std::uint8_t> captured;
        NotifyTarget* notify = nullptr;
        std::uint64_t generation = 0;
    };

    ErrorCode Play(const Command& command, NotifyTarget* callback,
                   std::unique_lock<std::mutex>& commandLock);
    ErrorCode Record(const Command& command, NotifyTarget* callback,
                     std::unique_lock<std::mutex>& commandLock);
    ErrorCode Seek(const Command& command);
    ErrorCode Delete(const Command& command);
    ErrorCode Save(const Command& command);
    ErrorCode Status(StatusItem item, std::string& reply);
    ErrorCode SetPaused(bool paused);

    // Opens the audio device and starts a session; returns its generation through `generation`.
    ErrorCode StartSession(AudioDirection direction, std::uint64_t start, std::uint64_t end,
                           bool bounded, NotifyTarget* notify, std::uint64_t& generation);
    // Ends the running session, if any, with `flag` as its notice, and waits for its thread.
    void EndSession(std::uint32_t flag);
    // Releases the command lock and waits until the session `generation` has ended.
    ErrorCode WaitForSession(std::uint64_t generation, std::unique_lock<std::mutex>& commandLock);
    void RunSession();
    // Puts the captured frames into the sound (state lock held); false when memory ran out.
    bool KeepCaptured();

    static void PlaybackCallback(void* userdata, Uint8* stream, int length);
    static void CaptureCallback(void* userdata, Uint8* stream, int length);
    void FeedPlayback(Uint8* stream, std::size_t length);
    // Scales the first `bytes` of a playback buffer to the session's volume.
    void ApplyVolume(Uint8* stream, std::size_t bytes) const;
    void TakeCapture(const Uint8* stream, std::size_t length);

    std::uint64_t Frames() const { return m_usedBytes / m_format.BlockAlign(); }
    // Converts between the time format and frames; false when the value is out of range.
    bool ToFrames(std::int64_t value, std::uint64_t& frames) const;
    std::uint64_t FromFrames(std::uint64_t frames) const;

    const std::uint32_t m_id;
    const WaveFormat m_format;
    TimeFormat m_timeFormat = TimeFormat::Samples;

    std::mutex m_commandMutex;  // one command at a time; never taken by the audio threads
    std::mutex m_stateMutex;    // guards everything below, shared with the audio threads
    std::condition_variable m_changed;
    files::MemoryBlock m_frames;
    std::uint64_t m_usedBytes = 0;  // bytes of m_frames that hold the sound
    SoundFiles m_files;
    std::uint64_t m_position = 0;
    Mode m_mode = Mode::Stopped;
    Session m_session;
    std::uint64_t m_generation = 0;
    std::uint64_t m_endedGeneration = 0;
    ErrorCode m_endedFailure = Ok;  // the failure of session m_endedGeneration
    std::thread m_sessionThread;
};

}  // namespace mci
