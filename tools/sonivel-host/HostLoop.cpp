#include "tools/sonivel-host/HostLoop.h"

namespace sonivelhost {

void HostLoop::Post(std::function<void()> work) {
    {
        std::lock_guard lock(m_mutex);
        m_work.push_back(std::move(work));
    }
    m_arrived.notify_one();
}

void HostLoop::Pump(std::chrono::milliseconds duration) {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_arrived.wait_until(lock, deadline, [&] { return !m_work.empty(); });
        if (m_work.empty()) {
            return;
        }
        auto work = std::move(m_work.front());
        m_work.pop_front();
        lock.unlock();
        work();
        lock.lock();
    }
}

}  // namespace sonivelhost
