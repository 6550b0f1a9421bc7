// The "WE" reader: eSpeak NG in-process, synthesised on a worker thread and played through SDL.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "platform/speech/EspeakEngine.h"
#include "platform/speech/SpeechOutput.h"
#include "platform/speech/Voice.h"

namespace speech {

class EspeakVoice : public Voice {
public:
    // Starts the synthesiser (throws Error when it cannot) and opens the audio device (without
    // one, texts are synthesised and dropped).
    EspeakVoice();
    ~EspeakVoice() override;

    void Say(std::string_view text) override;
    // Drops pending texts and the samples queued for playback; synthesised samples cannot be
    // taken back from eSpeak NG, so they are cut off at the device.
    void Stop() override;
    // From the next text on.
    void SetRate(int percent) override;

private:
    void Run();

    EspeakEngine& m_engine;
    SpeechOutput m_output;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::string> m_queue;
    std::uint64_t m_generation = 0;  // counts Stops; a text from an older generation is abandoned
    std::optional<int> m_wordsPerMinute;  // once a rate was set
    bool m_quit = false;
    std::thread m_worker;
};

}  // namespace speech
