// One connection to speech-dispatcher, driven by its own worker thread. libspeechd can block
// forever (no audio server: END never comes, spd_cancel never returns; a server that accepts and
// never answers: connecting never ends), so no caller ever waits on it. Texts are sent at message
// priority, which a screen reader's own speech (Orca's is message priority too) queues behind
// instead of cutting off; they wait in our queue and go out one at a time, each after the END or
// CANCEL of the one before, so a stop has only one message to cancel at the server and the
// screen reader's announcements are heard between the game's sentences.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>

namespace speech {

class Connection;

class DispatcherChannel : public std::enable_shared_from_this<DispatcherChannel> {
public:
    // Starts the worker, which connects at once (client name "ventra"; SPEECHD_ADDRESS chooses
    // the server, and the user's own server is started on demand when it is not set).
    static std::shared_ptr<DispatcherChannel> Open();

    // False with the reason when the connection failed, broke, or the worker has been inside a
    // libspeechd call (connecting included) for longer than `bound`. A connection still being
    // made within the bound is healthy: texts wait for it.
    bool Healthy(std::chrono::milliseconds bound, std::string& failure);
    // Whether the worker has finished (it never will while stuck in libspeechd).
    bool Ended();

    void Say(std::string text);
    // Drops the queued texts and cancels the one being spoken.
    void Stop();
    // The connection's rate (-100 to 100) for the texts sent from now on.
    void SetRate(int rate);
    // Tells the worker to close the connection and end, and waits up to `bound` for it. A worker
    // stuck in libspeechd is left to finish on its own.
    void Close(std::chrono::milliseconds bound);

    // A speech-dispatcher event for one of our messages (END or CANCEL).
    void Finished(std::size_t messageId);

    DispatcherChannel(const DispatcherChannel&) = delete;
    DispatcherChannel& operator=(const DispatcherChannel&) = delete;

private:
    enum class State { Connecting, Ready, Broken };
    using Clock = std::chrono::steady_clock;

    DispatcherChannel() = default;
    void Run();
    // The loop over the queue, once connected. Returns when told to quit or the connection broke.
    void Serve(Connection& connection, std::unique_lock<std::mutex>& lock);
    void Fail(std::string why, std::unique_lock<std::mutex>& lock);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    State m_state = State::Connecting;
    std::string m_failure;
    std::deque<std::string> m_queue;
    std::optional<std::size_t> m_speaking;  // the message id sent last and not yet finished
    std::set<std::size_t> m_finished;       // ids whose END/CANCEL arrived
    bool m_cancel = false;
    std::optional<int> m_rate;  // a rate the server has yet to be told
    bool m_quit = false;
    bool m_ended = false;
    std::optional<Clock::time_point> m_callStarted;  // set while inside libspeechd
    std::thread m_worker;
};

}  // namespace speech
