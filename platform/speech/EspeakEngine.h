// eSpeak NG in synchronous mode. The library keeps one synthesiser in process-wide state, so one
// engine serves every voice of the process, one text at a time.
#pragma once

#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
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
    // Synthesises the whole text (UTF-8, or 8-bit when it is not valid UTF-8) into `sink`, at
    // `wordsPerMinute` (see WordsPerMinute), or at the synthesiser's own rate when none is given.
    void Synthesize(std::string_view text, std::optional<int> wordsPerMinute, const Sink& sink);

    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

private:
    EspeakEngine();
    ~EspeakEngine();

    std::mutex m_mutex;
    int m_sampleRate = 0;
    int m_ownRate = 0;      // the synthesiser's rate before anyone set one
    int m_currentRate = 0;  // the rate it has now
};

// eSpeak NG's rate in words a minute for a RatePercent: 50 is its usual 175, 0 its slowest 80 and
// 100 its fastest 450, in straight lines between them.
int WordsPerMinute(int percent);

}  // namespace speech
