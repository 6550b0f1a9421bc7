// Whether a screen reader runs in this desktop session, watched from a thread of its own: the
// accessibility bus's screen-reader status on the session bus, and the Orca screen reader's
// presence there. Reads that status, never writes it.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace a11y {

struct MonitorOptions {
    // Processes whose connections to the session bus show a screen reader: Orca's by default.
    std::vector<std::string> processNames{"orca"};
    // How long the constructor waits for the first look.
    std::chrono::milliseconds firstLookLimit{1000};
};

class ScreenReaderMonitor {
public:
    using Listener = std::function<void(bool screenReaderRunning)>;

    // Starts watching and returns once the first look is done, or after the options' limit: until
    // then a screen reader counts as running. `onChange` is called from the monitor's thread at
    // every change after the constructor has returned.
    explicit ScreenReaderMonitor(Listener onChange, MonitorOptions options = {});
    // Stops watching and waits for the thread.
    ~ScreenReaderMonitor();
    ScreenReaderMonitor(const ScreenReaderMonitor&) = delete;
    ScreenReaderMonitor& operator=(const ScreenReaderMonitor&) = delete;

    bool ScreenReaderRunning() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace a11y
