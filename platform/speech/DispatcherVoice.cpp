#include "platform/speech/DispatcherVoice.h"

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
        if (!mayRetry) {
            throw Unavailable(m_failure);
        }
        m_channel->Close(std::chrono::milliseconds(0));
        m_channel.reset();
    } else if (!m_failure.empty() && !mayRetry) {
        throw Unavailable(m_failure);
    }
    m_lastAttempt = now;
    m_channel = DispatcherChannel::Open();
    if (!m_channel->WaitConnected(kConnectBound, m_failure)) {
        throw Unavailable(m_failure);
    }
    m_failure.clear();
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

}  // namespace speech
