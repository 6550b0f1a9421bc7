#include "platform/speech/DispatcherVoice.h"

#include <algorithm>

namespace speech {
namespace {

// How long the voice's end waits for the worker to hang up before leaving it behind.
constexpr std::chrono::milliseconds kCloseBound{1000};

Error Unavailable(const std::string& why) {
    return Error("Speech service unavailable: " + why);
}

}  // namespace

DispatcherVoice::~DispatcherVoice() {
    if (m_channel) {
        m_channel->Close(kCloseBound);
    }
}

DispatcherChannel& DispatcherVoice::Channel() {
    const auto now = std::chrono::steady_clock::now();
    const bool mayRetry = now - m_lastAttempt >= kRetryInterval;
    if (m_channel) {
        if (m_channel->Healthy(kCallBound, m_failure)) {
            return *m_channel;
        }
        // A worker still stuck in libspeechd means the server is still there and still silent:
        // another connection would only get stuck beside it.
        if (!mayRetry || !m_channel->Ended()) {
            throw Unavailable(m_failure);
        }
        m_channel->Close(std::chrono::milliseconds(0));
        m_channel.reset();
    } else if (!m_failure.empty() && !mayRetry) {
        throw Unavailable(m_failure);
    }
    // The connection is made on the channel's worker; texts wait in its queue meanwhile, and a
    // failure shows at one of the next calls.
    m_lastAttempt = now;
    m_channel = DispatcherChannel::Open();
    if (m_rate) {
        m_channel->SetRate(*m_rate);
    }
    return *m_channel;
}

void DispatcherVoice::Say(std::string_view text) {
    std::lock_guard lock(m_mutex);
    Channel().Say(std::string(text));
}

void DispatcherVoice::Stop() {
    std::lock_guard lock(m_mutex);
    Channel().Stop();
}

void DispatcherVoice::SetRate(int percent) {
    std::lock_guard lock(m_mutex);
    m_rate = DispatcherRate(percent);
    if (m_channel) {
        m_channel->SetRate(*m_rate);
    }
}

int DispatcherRate(int percent) {
    return (std::clamp(percent, RatePercent::kSlowest, RatePercent::kFastest) -
            RatePercent::kUsual) *
           2;
}

}  // namespace speech
