#include "tools/sonivel-host/SignalGuard.h"

#include <pthread.h>
#include <signal.h>
#include <stdlib.h>

#include <string>
#include <system_error>
#include <thread>

#include "platform/files/TempFiles.h"

namespace sonivelhost {
namespace {

sigset_t EndingSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    return set;
}

void RemoveFolder(const std::filesystem::path& folder) {
    // Files may still appear while the host's thread runs on: look again.
    for (int attempt = 0; attempt < 3 && !folder.empty(); ++attempt) {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
        if (!error) {
            return;
        }
    }
}

// Waits for an ending signal, cleans up and ends the process by it.
void TakeSignals(std::filesystem::path folder) {
    const sigset_t set = EndingSignals();
    int signal = 0;
    if (sigwait(&set, &signal) != 0) {
        return;  // only for a set of invalid signals
    }
    RemoveFolder(folder);
    ::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
}

}  // namespace

SignalGuard::SignalGuard() {
    const sigset_t set = EndingSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    std::string pattern = (files::TempFolder() / "sonivel-host.XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        m_folder = pattern;
        setenv("TMPDIR", m_folder.c_str(), 1);
    }
    std::thread(TakeSignals, m_folder).detach();
}

SignalGuard::~SignalGuard() {
    RemoveFolder(m_folder);
}

}  // namespace sonivelhost
