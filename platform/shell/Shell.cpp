#include "platform/shell/Shell.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <string>
#include <thread>

extern char** environ;

namespace shell {

bool OpenDocument(const std::filesystem::path& file) {
    if (file.empty()) {
        return false;
    }
    // A name starting with "-" would be read as an option.
    std::string argument = file.string();
    if (argument.front() == '-') {
        argument = "./" + argument;
    }
    char program[] = "xdg-open";
    char* argv[] = {program, argument.data(), nullptr};

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // Its own session, so the viewer outlives the game and a Ctrl+C in the game's terminal;
    // default signal handling and mask, whatever the game has set.
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigfillset(&defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, nullptr, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    if (error != 0) {
        return false;
    }
    // Reaped by a thread of its own, so no zombie is left and nobody waits for the viewer.
    std::thread([pid] {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return true;
}

}  // namespace shell
