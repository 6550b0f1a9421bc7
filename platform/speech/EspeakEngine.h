// eSpeak NG in synchronous mode. The library keeps one synthesiser in process-wide state, so one
// engine serves every voice of the process, one text at a time.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <string_view>

namespace speech {

class EspeakEngine {
public:
    // Receives each block of 16-bit mono samples; returns false to stop the text early.
    using Sink = std::function<bool(const short* samples, std::size_t count)>;

    // The engine, started at the first call. Throws Error when eSpeak NG cannot start (a later
    // call tries again).
    static EspeakEngine& Instance();

    int SampleRate() const { return m_sampleRate; }
    // Synthesises the whole text (UTF-8, or 8-bit when it is not valid UTF-8) into `sink`.
    void Synthesize(std::string_view text, const Sink& sink);

    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

private:
    EspeakEngine();
    ~EspeakEngine();

    std::mutex m_mutex;
    int m_sampleRate = 0;
};

}  // namespace speech
