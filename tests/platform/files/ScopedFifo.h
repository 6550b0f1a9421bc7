// A named pipe (FIFO) where a test's code expects a file. Code that wrongly waits in open() for
// the pipe's other end would hang the test run: a rescuer thread opens that other end once
// `rescueAfter` has passed (and again every 100 ms), so such code is freed late, and the test,
// which measures how long the call took, fails instead of hanging.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace testing_support {

class ScopedFifo {
public:
    explicit ScopedFifo(std::filesystem::path path,
                        std::chrono::milliseconds rescueAfter = std::chrono::seconds(3))
        : m_path(std::move(path)) {
        if (::mkfifo(m_path.c_str(), 0666) != 0) {
            throw std::runtime_error("cannot make a FIFO at " + m_path.string());
        }
        m_rescuer = std::thread([this, rescueAfter] { Rescue(rescueAfter); });
    }
    ~ScopedFifo() {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_changed.notify_all();
        m_rescuer.join();
        std::filesystem::remove(m_path);
    }
    ScopedFifo(const ScopedFifo&) = delete;
    ScopedFifo& operator=(const ScopedFifo&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    void Rescue(std::chrono::milliseconds after) {
        std::unique_lock lock(m_mutex);
        if (m_changed.wait_for(lock, after, [this] { return m_done; })) {
            return;
        }
        do {
            // Read and write at once: frees a blocked reader and a blocked writer alike.
            const int fd = ::open(m_path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                ::close(fd);
            }
        } while (
            !m_changed.wait_for(lock, std::chrono::milliseconds(100), [this] { return m_done; }));
    }

    std::filesystem::path m_path;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_done = false;
    std::thread m_rescuer;
};

}  // namespace testing_support
