// Ending the program at once must not wait for another thread: libspeechd's event thread sits in
// a blocking read on its socket stream, holding that stream's lock, for as long as the "JFW"
// voice is connected, and Exit Game hung on it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/ui/wx/Guard.h"

namespace ui::wx {
namespace {

using namespace std::chrono_literals;

// In a child process: a thread blocked reading a stream (its lock held), then the end.
[[noreturn]] void EndWhileAStreamIsBusy() {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        std::_Exit(3);
    }
    FILE* stream = ::fdopen(pipeEnds[0], "r");
    std::thread reader([stream] {
        char line[8];
        std::fgets(line, sizeof line, stream);  // nothing is ever written: blocks for good
    });
    reader.detach();
    std::this_thread::sleep_for(100ms);
    EndProcessNow();
}

TEST(EndProcessNow, EndsWhileAnotherThreadIsBlockedOnAStream) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        EndWhileAStreamIsBusy();
    }
    int status = 0;
    pid_t ended = 0;
    for (int tries = 0; tries < 100 && ended == 0; ++tries) {
        std::this_thread::sleep_for(50ms);
        ended = ::waitpid(child, &status, WNOHANG);
    }
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        FAIL() << "the process did not end within 5 s";
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace ui::wx
