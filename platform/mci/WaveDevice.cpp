#include "platform/mci/WaveDevice.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <new>
#include <system_error>
#include <utility>

#include "platform/files/Paths.h"
#include "platform/mci/OutputVolume.h"

namespace mci {
namespace {

// How often a running session checks that its audio device has not been lost.
constexpr std::chrono::milliseconds kLossCheck{200};

}  // namespace

WaveDevice::WaveDevice(std::uint32_t id, WaveSound sound)
    : m_id(id),
      m_format(sound.format),
      m_frames(std::move(sound.frames)),
      m_usedBytes(m_frames.Size()),
      m_files(sound.files) {}

WaveDevice::~WaveDevice() {
    Close();
}

void WaveDevice::Close() {
    std::lock_guard commandLock(m_commandMutex);
    EndSession(NotifyAborted);
}

bool WaveDevice::HoldsFile(const files::FileStamp& file) {
    std::lock_guard lock(m_stateMutex);
    return m_files.Include(file);
}

WaveSound WaveDevice::ReleaseSound() {
    std::lock_guard commandLock(m_commandMutex);
    std::lock_guard lock(m_stateMutex);
    WaveSound sound{m_format, std::move(m_frames), std::exchange(m_files, {})};
    // Only whole, the sound still is what its files hold.
    if (!sound.frames.Resize(static_cast<std::size_t>(m_usedBytes))) {
        sound.files = {};
    }
    m_usedBytes = 0;
    m_position = 0;
    return sound;
}

ErrorCode WaveDevice::Execute(const Command& command, std::string& reply, NotifyTarget* callback) {
    std::unique_lock commandLock(m_commandMutex);
    ErrorCode error = Ok;
    switch (command.verb) {
        case Verb::Play:
            return Play(command, callback, commandLock);
        case Verb::Record:
            return Record(command, callback, commandLock);
        case Verb::Set:
            m_timeFormat = command.timeFormat;
            break;
        case Verb::Status:
            error = Status(command.statusItem, reply);
            break;
        case Verb::Stop:
            EndSession(NotifyAborted);
            break;
        case Verb::Pause:
            error = SetPaused(true);
            break;
        case Verb::Resume:
            error = SetPaused(false);
            break;
        case Verb::Seek:
            error = Seek(command);
            break;
        case Verb::Delete:
            error = Delete(command);
            break;
        case Verb::Save:
            error = Save(command);
            break;
        case Verb::Open:
        case Verb::Close:
            // Opening and closing belong to the table of devices, not to one device.
            error = ErrUnsupportedFunction;
            break;
    }
    if (error == Ok && command.notify && callback != nullptr) {
        callback->PostNotify(NotifySuccessful, m_id);
    }
    return error;
}

ErrorCode WaveDevice::Play(const Command& command, NotifyTarget* callback,
                           std::unique_lock<std::mutex>& commandLock) {
    EndSession(NotifySuperseded);
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    {
        std::lock_guard lock(m_stateMutex);
        const std::uint64_t length = Frames();
        from = m_position;
        to = length;
        if ((command.from && !ToFrames(*command.from, from)) ||
            (command.to && !ToFrames(*command.to, to)) || to > length || from > to) {
            return ErrOutOfRange;
        }
        m_position = from;
    }
    NotifyTarget* notify = command.notify ? callback : nullptr;
    if (from == to) {
        if (notify != nullptr) {
            notify->PostNotify(NotifySuccessful, m_id);
        }
        return Ok;
    }
    std::uint64_t generation = 0;
    const ErrorCode error =
        StartSession(AudioDirection::Playback, from, to, true, notify, generation);
    if (error != Ok || !command.wait) {
        return error;
    }
    return WaitForSession(generation, commandLock);
}

ErrorCode WaveDevice::Record(const Command& command, NotifyTarget* callback,
                             std::unique_lock<std::mutex>& commandLock) {
    EndSession(NotifySuperseded);
    std::uint64_t from = 0;
    std::uint64_t to = 0;
    {
        std::lock_guard lock(m_stateMutex);
        // A save now would keep what is captured, whenever that ends.
        m_files = {};
        from = m_position;
        if ((command.from && !ToFrames(*command.from, from)) || from > Frames() ||
            (command.to && (!ToFrames(*command.to, to) || to < from))) {
            return ErrOutOfRange;
        }
        m_position = from;
    }
    NotifyTarget* notify = command.notify ? callback : nullptr;
    const bool bounded = command.to.has_value();
    if (bounded && from == to) {
        if (notify != nullptr) {
            notify->PostNotify(NotifySuccessful, m_id);
        }
        return Ok;
    }
    std::uint64_t generation = 0;
    const ErrorCode error =
        StartSession(AudioDirection::Capture, from, to, bounded, notify, generation);
    if (error != Ok || !command.wait) {
        return error;
    }
    return WaitForSession(generation, commandLock);
}

ErrorCode WaveDevice::Seek(const Command& command) {
    EndSession(NotifyAborted);
    std::lock_guard lock(m_stateMutex);
    std::uint64_t target = 0;
    switch (command.seekTarget) {
        case SeekTarget::Start:
            break;
        case SeekTarget::End:
            target = Frames();
            break;
        case SeekTarget::Position:
            if (!command.to || !ToFrames(*command.to, target) || target > Frames()) {
                return ErrOutOfRange;
            }
            break;
    }
    m_position = target;
    return Ok;
}

ErrorCode WaveDevice::Delete(const Command& command) {
    EndSession(NotifyAborted);
    std::lock_guard lock(m_stateMutex);
    const std::uint64_t length = Frames();
    std::uint64_t from = m_position;
    std::uint64_t to = length;
    if ((command.from && !ToFrames(*command.from, from)) ||
        (command.to && !ToFrames(*command.to, to)) || to > length || from > to) {
        return ErrOutOfRange;
    }
    const std::uint64_t align = m_format.BlockAlign();
    if (to > from) {
        m_files = {};
        std::memmove(m_frames.Data() + from * align, m_frames.Data() + to * align,
                     static_cast<std::size_t>((length - to) * align));
    }
    m_usedBytes -= (to - from) * align;
    if (m_position >= to) {
        m_position -= to - from;
    } else if (m_position > from) {
        m_position = from;
    }
    return Ok;
}

ErrorCode WaveDevice::Save(const Command& command) {
    bool recording = false;
    {
        std::lock_guard lock(m_stateMutex);
        recording = m_session.running && m_session.direction == AudioDirection::Capture;
    }
    if (recording) {
        EndSession(NotifyAborted);
    }
    std::uint64_t used = 0;
    {
        std::lock_guard lock(m_stateMutex);
        used = m_usedBytes;
    }
    // Playback only reads the frames and nothing else may change them while this command
    // runs, so the file is written without holding up the audio thread.
    std::optional<files::FileStamp> written;
    const ErrorCode error = WriteWaveFile(
        files::NativePath(command.file), m_format,
        std::span<const std::uint8_t>(m_frames.Data(), static_cast<std::size_t>(used)), &written);
    if (error == Ok) {
        std::lock_guard lock(m_stateMutex);
        m_files.savedTo = written;
    }
    return error;
}

ErrorCode WaveDevice::Status(StatusItem item, std::string& reply) {
    std::lock_guard lock(m_stateMutex);
    const bool recording = m_session.running && m_session.direction == AudioDirection::Capture;
    switch (item) {
        case StatusItem::Length: {
            const std::uint64_t captured =
                recording ? m_session.captured.size() / m_format.BlockAlign() : 0;
            reply = std::to_string(FromFrames(Frames() + captured));
            break;
        }
        case StatusItem::Position:
            reply = std::to_string(FromFrames(m_position));
            break;
        case StatusItem::Mode:
            if (m_session.running && m_session.paused) {
                reply = "paused";
            } else if (m_mode == Mode::Playing) {
                reply = "playing";
            } else if (m_mode == Mode::Recording) {
                reply = "recording";
            } else {
                reply = "stopped";
            }
            break;
        case StatusItem::BitsPerSample:
            reply = std::to_string(m_format.bitsPerSample);
            break;
        case StatusItem::Channels:
            reply = std::to_string(m_format.channels);
            break;
        case StatusItem::SamplesPerSec:
            reply = std::to_string(m_format.samplesPerSec);
            break;
    }
    return Ok;
}

ErrorCode WaveDevice::SetPaused(bool paused) {
    std::lock_guard lock(m_stateMutex);
    if (m_session.running) {
        m_session.paused = paused;
    }
    return Ok;
}

ErrorCode WaveDevice::StartSession(AudioDirection direction, std::uint64_t start, std::uint64_t end,
                                   bool bounded, NotifyTarget* notify, std::uint64_t& generation) {
    std::vector<std::uint8_t> captured;
    if (direction == AudioDirection::Capture && bounded) {
        try {
            captured.reserve(static_cast<std::size_t>((end - start) * m_format.BlockAlign()));
        } catch (const std::exception&) {
            // bad_alloc or length_error: the recording could never be kept.
            return ErrOutOfMemory;
        }
    }
    const AudioOpenResult opened =
        OpenAudio(direction, m_format, bounded ? end - start : 0,
                  direction == AudioDirection::Playback ? PlaybackCallback : CaptureCallback, this);
    if (opened.error != Ok) {
        return opened.error;
    }
    {
        std::lock_guard lock(m_stateMutex);
        m_session = Session{};
        m_session.running = true;
        m_session.direction = direction;
        m_session.audio = opened.device;
        m_session.start = start;
        m_session.end = end;
        m_session.bounded = bounded;
        m_session.cursor = start;
        m_session.repeat = opened.repeat;
        m_session.volume = OutputVolume();
        m_session.captured = std::move(captured);
        m_session.notify = notify;
        m_session.generation = generation = ++m_generation;
        m_mode = direction == AudioDirection::Playback ? Mode::Playing : Mode::Recording;
    }
    try {
        m_sessionThread = std::thread(&WaveDevice::RunSession, this);
    } catch (const std::system_error&) {
        // Without its thread nobody would end the session: undo it and say the device failed.
        CloseAudio(opened.device);
        std::lock_guard lock(m_stateMutex);
        m_session.running = false;
        m_mode = Mode::Stopped;
        m_endedGeneration = generation;
        return ErrHardware;
    }
    StartAudio(opened.device);
    return Ok;
}

void WaveDevice::EndSession(std::uint32_t flag) {
    {
        std::lock_guard lock(m_stateMutex);
        if (m_session.running && !m_session.cancelled) {
            m_session.cancelled = true;
            m_session.endFlag = flag;
            m_changed.notify_all();
        }
    }
    if (m_sessionThread.joinable()) {
        m_sessionThread.join();
    }
}

ErrorCode WaveDevice::WaitForSession(std::uint64_t generation,
                                     std::unique_lock<std::mutex>& commandLock) {
    // Other commands (a stop, a close) may reach the device while this one waits.
    commandLock.unlock();
    std::unique_lock lock(m_stateMutex);
    m_changed.wait(lock, [&] { return m_endedGeneration >= generation; });
    return m_endedGeneration == generation ? m_endedFailure : Ok;
}

void WaveDevice::RunSession() {
    std::unique_lock lock(m_stateMutex);
    while (!m_session.finished && !m_session.cancelled) {
        if (m_changed.wait_for(lock, kLossCheck) == std::cv_status::timeout) {
            const SDL_AudioDeviceID audio = m_session.audio;
            lock.unlock();
            const bool alive = AudioAlive(audio);
            lock.lock();
            if (!alive) {
                m_session.failure = ErrHardware;
                m_session.finished = true;
            }
        }
    }
    const SDL_AudioDeviceID audio = m_session.audio;
    lock.unlock();
    CloseAudio(audio);
    lock.lock();

    if (m_session.direction == AudioDirection::Capture && !KeepCaptured()) {
        m_session.failure = ErrOutOfMemory;
    }
    std::uint32_t flag = m_session.cancelled ? m_session.endFlag : NotifySuccessful;
    if (m_session.failure != Ok) {
        flag = NotifyFailure;
    } else if (m_session.finished) {
        flag = NotifySuccessful;
    }
    m_session.running = false;
    m_mode = Mode::Stopped;
    NotifyTarget* target = m_session.notify;
    const std::uint64_t generation = m_session.generation;
    const ErrorCode failure = m_session.failure;
    lock.unlock();
    // Posted before the session counts as ended, so a caller that waited finds the notice
    // already queued when its command returns.
    if (target != nullptr) {
        target->PostNotify(flag, m_id);
    }
    lock.lock();
    m_endedGeneration = generation;
    m_endedFailure = failure;
    m_changed.notify_all();
}

bool WaveDevice::KeepCaptured() {
    std::vector<std::uint8_t>& captured = m_session.captured;
    const std::uint64_t align = m_format.BlockAlign();
    const std::uint64_t bytes = captured.size();
    const std::uint64_t offset = m_session.start * align;
    m_position = m_session.start;
    if (bytes == 0) {
        return true;
    }
    if (m_usedBytes + bytes > m_frames.Size() &&
        !m_frames.Resize(static_cast<std::size_t>(m_usedBytes + bytes))) {
        captured = {};
        return false;
    }
    std::memmove(m_frames.Data() + offset + bytes, m_frames.Data() + offset,
                 static_cast<std::size_t>(m_usedBytes - offset));
    std::memcpy(m_frames.Data() + offset, captured.data(), static_cast<std::size_t>(bytes));
    m_usedBytes += bytes;
    m_position = m_session.start + bytes / align;
    captured = {};
    return true;
}

void WaveDevice::PlaybackCallback(void* userdata, Uint8* stream, int length) {
    static_cast<WaveDevice*>(userdata)->FeedPlayback(stream, static_cast<std::size_t>(length));
}

void WaveDevice::CaptureCallback(void* userdata, Uint8* stream, int length) {
    static_cast<WaveDevice*>(userdata)->TakeCapture(stream, static_cast<std::size_t>(length));
}

void WaveDevice::FeedPlayback(Uint8* stream, std::size_t length) {
    std::lock_guard lock(m_stateMutex);
    Session& session = m_session;
    const std::size_t align = m_format.BlockAlign();
    const std::size_t room = length / align;
    std::size_t frames = 0;
    if (session.running && !session.paused && !session.finished && !session.cancelled) {
        if (session.cursor >= session.end) {
            // The buffer holding the last frames has been taken by the device: done.
            session.finished = true;
            m_changed.notify_all();
        } else if (session.repeat == 1) {
            frames = static_cast<std::size_t>(
                std::min<std::uint64_t>(room, session.end - session.cursor));
            std::memcpy(stream, m_frames.Data() + session.cursor * align, frames * align);
            session.cursor += frames;
        } else {
            for (; frames < room && session.cursor < session.end; ++frames) {
                std::memcpy(stream + frames * align, m_frames.Data() + session.cursor * align,
                            align);
                if (++session.repeated == session.repeat) {
                    session.repeated = 0;
                    ++session.cursor;
                }
            }
        }
        m_position = session.cursor;
    }
    ApplyVolume(stream, frames * align);
    std::memset(stream + frames * align, m_format.bitsPerSample == 8 ? 0x80 : 0,
                length - frames * align);
}

void WaveDevice::ApplyVolume(Uint8* stream, std::size_t bytes) const {
    const int volume = m_session.volume;
    if (volume >= kFullVolume) {
        return;
    }
    if (m_format.bitsPerSample == 8) {
        for (std::size_t i = 0; i < bytes; ++i) {
            stream[i] = static_cast<Uint8>(0x80 + (stream[i] - 0x80) * volume / kFullVolume);
        }
        return;
    }
    for (std::size_t i = 0; i + 1 < bytes; i += 2) {
        std::int16_t sample = 0;
        std::memcpy(&sample, stream + i, 2);
        sample = static_cast<std::int16_t>(sample * volume / kFullVolume);
        std::memcpy(stream + i, &sample, 2);
    }
}

void WaveDevice::TakeCapture(const Uint8* stream, std::size_t length) {
    std::lock_guard lock(m_stateMutex);
    Session& session = m_session;
    if (!session.running || session.paused || session.finished || session.cancelled) {
        return;
    }
    const std::size_t align = m_format.BlockAlign();
    const std::size_t frames = length / align;
    const std::uint64_t wanted = (session.end - session.start) * align;
    std::vector<std::uint8_t>& captured = session.captured;
    try {
        if (session.repeat == 1) {
            std::size_t bytes = frames * align;
            if (session.bounded) {
                bytes = static_cast<std::size_t>(
                    std::min<std::uint64_t>(bytes, wanted - captured.size()));
            }
            captured.insert(captured.end(), stream, stream + bytes);
        } else {
            // The sound's frame is the first of each run of `repeat` device frames.
            for (std::size_t i = 0; i < frames && !(session.bounded && captured.size() >= wanted);
                 ++i) {
                if (session.repeated == 0) {
                    captured.insert(captured.end(), stream + i * align, stream + (i + 1) * align);
                }
                session.repeated = (session.repeated + 1) % session.repeat;
            }
        }
    } catch (const std::exception&) {
        // Memory ran out mid-recording: end it as failed, keeping nothing half-captured.
        session.failure = ErrOutOfMemory;
        session.finished = true;
        captured = {};
        m_changed.notify_all();
        return;
    }
    m_position = session.start + captured.size() / align;
    if (session.bounded && captured.size() == wanted) {
        session.finished = true;
        m_changed.notify_all();
    }
}

bool WaveDevice::ToFrames(std::int64_t value, std::uint64_t& frames) const {
    if (value < 0) {
        return false;
    }
    const auto amount = static_cast<std::uint64_t>(value);
    frames = m_timeFormat == TimeFormat::Samples
                 ? amount
                 : amount / 1000 * m_format.samplesPerSec +
                       amount % 1000 * m_format.samplesPerSec / 1000;
    return true;
}

std::uint64_t WaveDevice::FromFrames(std::uint64_t frames) const {
    return m_timeFormat == TimeFormat::Samples ? frames : frames * 1000 / m_format.samplesPerSec;
}

}  // namespace mci
