// Runs a piece of a test as the unprivileged user "nobody", in a child process, for tests of what
// a user may not do to another user's files. Only root can become another user: elsewhere the
// piece is not run.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

namespace testing_support {

inline constexpr uid_t kNobody = 65534;

// The child's exit status (what `piece` returned), or nothing when this process cannot switch
// users (the caller then skips). The child shares nothing with the test after the fork; it
// leaves with _exit, so the test's own clean-up runs only in the parent.
inline std::optional<int> RunAsNobody(const std::function<int()>& piece) {
    if (::geteuid() != 0) {
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        const bool switched =
            ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(switched ? piece() : 125);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace testing_support
