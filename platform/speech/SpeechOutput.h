// The audio device one eSpeak NG voice plays through, opened once for the voice's life. Without a
// device (no sound card, no driver) samples are dropped, so the game still runs silently.
#pragma once

#include <cstddef>
#include <cstdint>

namespace speech {

class SpeechOutput {
public:
    // Opens the default device for 16-bit mono samples at `sampleRate`; SDL converts them to
    // whatever the device needs.
    explicit SpeechOutput(int sampleRate);
    ~SpeechOutput();
    SpeechOutput(const SpeechOutput&) = delete;
    SpeechOutput& operator=(const SpeechOutput&) = delete;

    bool HasDevice() const { return m_device != 0; }
    // Queues samples behind those still playing.
    void Play(const short* samples, std::size_t count);
    // Drops everything queued and not yet played.
    void Clear();

private:
    bool m_initialized = false;
    std::uint32_t m_device = 0;
};

}  // namespace speech
