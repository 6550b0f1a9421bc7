// The "JFW" reader: speech through speech-dispatcher, connected at the first Say or Stop.
#pragma once

#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/speech/DispatcherChannel.h"
#include "platform/speech/Voice.h"

namespace speech {

class DispatcherVoice : public Voice {
public:
    // How long a libspeechd call (connecting included) may take before the service counts as
    // stuck, and how often a lost connection is tried again.
    static constexpr std::chrono::milliseconds kCallBound{2000};
    static constexpr std::chrono::milliseconds kRetryInterval{3000};

    DispatcherVoice() = default;
    ~DispatcherVoice() override;

    void Say(std::string_view text) override;
    void Stop() override;
    // Kept for every connection from now on; never connects by itself.
    void SetRate(int percent) override;

private:
    // The working channel, opening one when there is none; never waits for the connection.
    // Throws Error when the last attempt failed or is stuck; a new attempt is made only
    // kRetryInterval after the last one, and only once the stuck one has ended.
    DispatcherChannel& Channel();

    std::mutex m_mutex;
    std::shared_ptr<DispatcherChannel> m_channel;
    std::chrono::steady_clock::time_point m_lastAttempt;
    std::string m_failure;      // why the last attempt failed; empty while none has
    std::optional<int> m_rate;  // speech-dispatcher's rate, once one was set
};

// speech-dispatcher's rate for a RatePercent: -100 to 100, 0 being the server's usual rate.
int DispatcherRate(int percent);

}  // namespace speech
