#include "platform/speech/DispatcherChannel.h"

#include <fcntl.h>
#include <libspeechd.h>
#include <poll.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "platform/speech/Utf8.h"

namespace speech {
namespace {

// libspeechd's event callbacks carry no user pointer, so events go to every open channel through
// a process-wide table, and each picks the message ids it sent (they are unique per server).
// Asking the server for the connection's client id instead crashes libspeechd when the server
// stops answering. The table is never destroyed: a stuck worker's connection may still deliver
// events while the process exits.
struct Registry {
    std::mutex mutex;
    std::map<const DispatcherChannel*, std::weak_ptr<DispatcherChannel>> channels;
};

Registry& TheRegistry() {
    static Registry* registry = new Registry;
    return *registry;
}

void OnEvent(std::size_t messageId, std::size_t, SPDNotificationType) {
    std::vector<std::shared_ptr<DispatcherChannel>> channels;
    {
        Registry& registry = TheRegistry();
        std::lock_guard lock(registry.mutex);
        for (const auto& [key, channel] : registry.channels) {
            if (auto open = channel.lock()) {
                channels.push_back(std::move(open));
            }
        }
    }
    for (const auto& channel : channels) {
        channel->Finished(messageId);
    }
}

// How often a worker waiting for the end of a message checks that the server is still there.
constexpr std::chrono::milliseconds kLivenessCheck{500};

std::string TakeError(char* error, const char* fallback) {
    std::string text = error ? error : fallback;
    std::free(error);
    return text;
}

}  // namespace

// The open libspeechd connection, registered for events while it lives.
class Connection {
public:
    Connection(SPDConnection* connection, const std::shared_ptr<DispatcherChannel>& channel)
        : m_connection(connection),
          m_channel(channel.get()),
          m_watch(::fcntl(connection->socket, F_DUPFD_CLOEXEC, 0)) {
        Registry& registry = TheRegistry();
        std::lock_guard lock(registry.mutex);
        registry.channels[m_channel] = channel;
    }
    ~Connection() {
        {
            Registry& registry = TheRegistry();
            std::lock_guard lock(registry.mutex);
            registry.channels.erase(m_channel);
        }
        if (m_watch >= 0) {
            ::close(m_watch);
        }
        spd_close(m_connection);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    SPDConnection* Get() const { return m_connection; }

    // Whether the server has hung up. libspeechd does not say so by itself (a message that was
    // being spoken when the server died would wait for its END forever), and it closes its own
    // descriptor when it notices, so we watch a duplicate of the socket.
    bool Lost() const {
        pollfd watch{m_watch, POLLRDHUP, 0};
        return m_watch < 0 || (::poll(&watch, 1, 0) > 0 &&
                               (watch.revents & (POLLRDHUP | POLLHUP | POLLERR | POLLNVAL)));
    }

private:
    SPDConnection* m_connection;
    const DispatcherChannel* m_channel;
    int m_watch;
};

std::shared_ptr<DispatcherChannel> DispatcherChannel::Open() {
    std::shared_ptr<DispatcherChannel> channel(new DispatcherChannel);
    channel->m_worker = std::thread([channel] { channel->Run(); });
    return channel;
}

void DispatcherChannel::Fail(std::string why, std::unique_lock<std::mutex>&) {
    m_state = State::Broken;
    m_failure = std::move(why);
    m_changed.notify_all();
}

void DispatcherChannel::Run() {
    // libspeechd writes to its socket without MSG_NOSIGNAL, so a server that dies would end the
    // whole process with SIGPIPE. Blocked in this thread (and in the event thread libspeechd
    // starts from it, which inherits the mask), the write fails with EPIPE instead.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

    std::unique_lock lock(m_mutex);
    m_callStarted = Clock::now();
    lock.unlock();

    char* error = nullptr;
    SPDConnection* raw = nullptr;
    std::string failure;
    if (SPDConnectionAddress* address = spd_get_default_address(&error)) {
        // An explicit address names a server someone else runs; only the user's default one is
        // started on demand.
        const bool autospawn = std::getenv("SPEECHD_ADDRESS") == nullptr;
        raw = spd_open2("ventra", "main", nullptr, SPD_MODE_THREADED, address, autospawn, &error);
        SPDConnectionAddress__free(address);
        if (!raw) {
            failure = TakeError(error, "cannot connect to speech-dispatcher");
        }
    } else {
        failure = TakeError(error, "no speech-dispatcher address");
    }
    std::unique_ptr<Connection> connection;
    if (raw) {
        raw->callback_end = OnEvent;
        raw->callback_cancel = OnEvent;
        if (spd_set_notification_on(raw, SPD_END) != 0 ||
            spd_set_notification_on(raw, SPD_CANCEL) != 0) {
            spd_close(raw);
            failure = "speech-dispatcher refused the connection's settings";
        } else {
            connection = std::make_unique<Connection>(raw, shared_from_this());
        }
    }

    lock.lock();
    m_callStarted.reset();
    if (!connection) {
        Fail(failure, lock);
    } else {
        m_state = State::Ready;
        m_changed.notify_all();
        Serve(*connection, lock);
    }
    lock.unlock();
    connection.reset();
    lock.lock();
    m_ended = true;
    m_changed.notify_all();
}

void DispatcherChannel::Serve(Connection& connection, std::unique_lock<std::mutex>& lock) {
    while (true) {
        const auto due = [this] {
            return m_quit || m_cancel || m_rate || (m_speaking && m_finished.count(*m_speaking)) ||
                   (!m_speaking && !m_queue.empty());
        };
        while (!m_changed.wait_for(lock, kLivenessCheck, due)) {
            if (m_speaking && connection.Lost()) {
                return Fail("the connection to speech-dispatcher was lost", lock);
            }
        }
        if (m_quit) {
            return;
        }
        if (m_cancel) {
            m_cancel = false;
            if (!m_speaking) {
                continue;
            }
            // The cancelled message's CANCEL event finds no one waiting for it.
            m_speaking.reset();
            m_callStarted = Clock::now();
            lock.unlock();
            const int result = spd_cancel(connection.Get());
            lock.lock();
            m_callStarted.reset();
            if (result != 0) {
                return Fail("speech-dispatcher did not cancel speech", lock);
            }
            continue;
        }
        if (m_rate) {
            const int rate = *std::exchange(m_rate, std::nullopt);
            m_callStarted = Clock::now();
            lock.unlock();
            const int result = spd_set_voice_rate(connection.Get(), rate);
            lock.lock();
            m_callStarted.reset();
            if (result != 0) {
                return Fail("speech-dispatcher refused the speech rate", lock);
            }
            continue;
        }
        if (m_speaking) {
            // Ids only grow, so older ones (late events of cancelled messages) go too.
            m_finished.erase(m_finished.begin(), m_finished.upper_bound(*m_speaking));
            m_speaking.reset();
            continue;
        }
        const std::string text = ToUtf8(m_queue.front());
        m_queue.pop_front();
        if (text.empty()) {
            continue;  // nothing to hear, and speech-dispatcher refuses an empty message
        }
        m_callStarted = Clock::now();
        lock.unlock();
        const int id = spd_say(connection.Get(), SPD_MESSAGE, text.c_str());
        lock.lock();
        m_callStarted.reset();
        if (id < 0) {
            return Fail("speech-dispatcher refused a text", lock);
        }
        m_speaking = static_cast<std::size_t>(id);
    }
}

bool DispatcherChannel::Healthy(std::chrono::milliseconds bound, std::string& failure) {
    std::lock_guard lock(m_mutex);
    if (m_state == State::Broken) {
        failure = m_failure;
        return false;
    }
    if (m_callStarted && Clock::now() - *m_callStarted > bound) {
        failure = "speech-dispatcher does not answer";
        return false;
    }
    return true;
}

bool DispatcherChannel::Ended() {
    std::lock_guard lock(m_mutex);
    return m_ended;
}

void DispatcherChannel::Say(std::string text) {
    std::lock_guard lock(m_mutex);
    m_queue.push_back(std::move(text));
    m_changed.notify_all();
}

void DispatcherChannel::Stop() {
    std::lock_guard lock(m_mutex);
    m_queue.clear();
    m_cancel = true;
    m_changed.notify_all();
}

void DispatcherChannel::SetRate(int rate) {
    std::lock_guard lock(m_mutex);
    m_rate = rate;
    m_changed.notify_all();
}

void DispatcherChannel::Finished(std::size_t messageId) {
    std::lock_guard lock(m_mutex);
    m_finished.insert(messageId);
    m_changed.notify_all();
}

void DispatcherChannel::Close(std::chrono::milliseconds bound) {
    std::unique_lock lock(m_mutex);
    m_quit = true;
    m_changed.notify_all();
    const bool ended = m_changed.wait_for(lock, bound, [this] { return m_ended; });
    lock.unlock();
    if (ended) {
        m_worker.join();
    } else {
        m_worker.detach();
    }
}

}  // namespace speech
