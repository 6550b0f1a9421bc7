#include "platform/speech/EspeakVoice.h"

#include <cstdio>

namespace speech {

EspeakVoice::EspeakVoice()
    : m_engine(EspeakEngine::Instance()),
      m_output(m_engine.SampleRate()),
      m_worker([this] { Run(); }) {}

EspeakVoice::~EspeakVoice() {
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_changed.notify_all();
    }
    m_worker.join();
}

void EspeakVoice::Say(std::string_view text) {
    std::lock_guard lock(m_mutex);
    m_queue.emplace_back(text);
    m_changed.notify_all();
}

void EspeakVoice::Stop() {
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    ++m_generation;
    m_output.Clear();
}

void EspeakVoice::SetRate(int percent) {
    std::lock_guard lock(m_mutex);
    m_wordsPerMinute = WordsPerMinute(percent);
}

void EspeakVoice::Run() {
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return m_quit || !m_queue.empty(); });
        if (m_quit) {
            return;
        }
        const std::string text = std::move(m_queue.front());
        m_queue.pop_front();
        const std::uint64_t generation = m_generation;
        const std::optional<int> wordsPerMinute = m_wordsPerMinute;
        lock.unlock();
        try {
            m_engine.Synthesize(text, wordsPerMinute, [&](const short* samples, std::size_t count) {
                // Checked under the lock, so no block of a stopped text reaches the device
                // after Stop has cleared it.
                std::lock_guard blockLock(m_mutex);
                if (m_quit || generation != m_generation) {
                    return false;
                }
                m_output.Play(samples, count);
                return true;
            });
        } catch (const Error& e) {
            // Say has long returned; a text the synthesiser refuses is reported and skipped.
            std::fprintf(stderr, "speech: %s\n", e.what());
        }
        lock.lock();
    }
}

}  // namespace speech
