// The host's event loop: work posted from any thread, run on the host's thread while it pumps.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace sonivelhost {

class HostLoop {
public:
    // Thread-safe.
    void Post(std::function<void()> work);
    // Runs posted work as it arrives until `duration` has passed, sleeping in between.
    void Pump(std::chrono::milliseconds duration);

private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<std::function<void()>> m_work;
};

}  // namespace sonivelhost
