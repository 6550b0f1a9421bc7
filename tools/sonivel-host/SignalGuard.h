// Ends the host cleanly on SIGINT, SIGTERM and SIGHUP (Ctrl+C, kill, logging out) whatever its
// thread is doing: a Play with waiting blocks it for the whole sound. The controls keep their
// working copies and clipboard in a temporary folder of the host's own; a thread of its own takes
// the signals, removes that folder and ends the process by the same signal.
#pragma once

#include <filesystem>

namespace sonivelhost {

class SignalGuard {
public:
    // Call first, before any other thread starts: the signals are blocked in this thread and so
    // in every thread started later. Makes the private folder in the temporary folder and points
    // TMPDIR at it (when it cannot be made, the controls use the temporary folder itself).
    SignalGuard();
    // Removes the private folder with whatever is left in it.
    ~SignalGuard();
    SignalGuard(const SignalGuard&) = delete;
    SignalGuard& operator=(const SignalGuard&) = delete;

private:
    std::filesystem::path m_folder;
};

}  // namespace sonivelhost
