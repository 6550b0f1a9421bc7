// The "JFW" voice against a private speech-dispatcher, a missing one and one that never answers.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/speech/Voice.h"
#include "tests/support/TempFolder.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using speech::CreateVoice;
using speech::Reader;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

// Polls `ready` every 20 ms until it holds or `limit` has passed.
template <typename Predicate>
bool WaitFor(Predicate ready, std::chrono::milliseconds limit) {
    const auto end = Clock::now() + limit;
    while (!ready()) {
        if (Clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

bool HasServerBinary() {
    for (const char* dir : {"/usr/bin", "/usr/local/bin", "/bin"}) {
        if (::access((std::string(dir) + "/speech-dispatcher").c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

// A speech-dispatcher of its own: espeak-ng into libao's null driver, verbose log in the folder.
class PrivateServer {
public:
    explicit PrivateServer(const TempFolder& folder)
        : m_socket(folder / "speechd.sock"), m_log(folder / "log/speech-dispatcher.log") {
        const auto conf = folder / "conf";
        const auto home = folder / "home";
        std::filesystem::create_directories(conf);
        std::filesystem::create_directories(home);
        std::filesystem::create_directories(m_log.parent_path());
        WriteFile(conf / "speechd.conf",
                  "AudioOutputMethod \"libao\"\n"
                  "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                  "DefaultModule espeak-ng\n"
                  "LogLevel 5\n"
                  "LogDir \"" +
                      m_log.parent_path().string() + "\"\n");
        WriteFile(home / ".libao", "default_driver=null\n");

        std::vector<std::string> env = {
            "HOME=" + home.string(), "XDG_CONFIG_HOME=" + (home / ".config").string(),
            "XDG_RUNTIME_DIR=" + folder.Path().string(), "PATH=/usr/bin:/bin"};
        std::vector<std::string> args = {
            "speech-dispatcher", "-s", "-C", conf.string(), "-c", "unix_socket", "-S",
            m_socket.string(),   "-t", "0"};
        std::vector<char*> argv, envp;
        for (auto& a : args)
            argv.push_back(a.data());
        for (auto& e : env)
            envp.push_back(e.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        posix_spawnattr_t attr;
        posix_spawnattr_init(&attr);
        // Its own session, so the server and its module can be killed together.
        posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
        if (posix_spawnp(&m_pid, "speech-dispatcher", nullptr, &attr, argv.data(), envp.data()) !=
            0) {
            m_pid = -1;
        }
        posix_spawnattr_destroy(&attr);
    }
    ~PrivateServer() { Kill(); }

    void Kill() {
        if (m_pid > 0) {
            // A stuck server ignores SIGTERM; nothing of it needs to survive the test.
            ::kill(-m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

    bool Started() {
        return m_pid > 0 && WaitFor([&] { return std::filesystem::exists(m_socket); }, 15s);
    }
    std::string Address() const { return "unix_socket:" + m_socket.string(); }
    // Position of the line the server logs when a text arrives (as the protocol line it came
    // in, ending in CR LF), or npos.
    std::size_t Received(const std::string& text) const {
        return ReadFile(m_log).find("DATA:|" + text + "\r\n");
    }
    // Whether the log holds `line`.
    bool Logged(const std::string& line) const {
        return ReadFile(m_log).find(line) != std::string::npos;
    }

private:
    std::filesystem::path m_socket;
    std::filesystem::path m_log;
    pid_t m_pid = -1;
};

// The "JFW" voice talking to a private server of its own (skipped where the server is not
// installed).
class WithPrivateServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasServerBinary()) {
            GTEST_SKIP() << "speech-dispatcher is not installed";
        }
        ASSERT_TRUE(server.Started());
        setenv("SPEECHD_ADDRESS", server.Address().c_str(), 1);
        unsetenv("VENTRA_SPEECH");
        voice = CreateVoice(Reader::Jfw);
    }

    TempFolder folder;
    PrivateServer server{folder};
    std::unique_ptr<speech::Voice> voice;
};

TEST_F(WithPrivateServer, SpeaksInCallOrderAndStopDropsQueuedTexts) {
    voice->Say("alpha one");
    voice->Say("bravo two");
    voice->Say("charlie three");
    ASSERT_TRUE(
        WaitFor([&] { return server.Received("charlie three") != std::string::npos; }, 10s));
    EXPECT_LT(server.Received("alpha one"), server.Received("bravo two"));
    EXPECT_LT(server.Received("bravo two"), server.Received("charlie three"));

    voice->Say(
        "echo is a long sentence that keeps the speech service busy for a while, so that "
        "the texts behind it are still waiting when the stop comes.");
    voice->Say("foxtrot dropped");
    voice->Say("golf dropped");
    voice->Stop();
    voice->Say("hotel after stop");
    ASSERT_TRUE(
        WaitFor([&] { return server.Received("hotel after stop") != std::string::npos; }, 10s));
    EXPECT_EQ(server.Received("foxtrot dropped"), std::string::npos);
    EXPECT_EQ(server.Received("golf dropped"), std::string::npos);
}

// What a player's speech settings and screen reader rely on: the client is named "ventra" (so
// speechd.conf can tune it), its texts are messages, which the screen reader's own speech queues
// behind instead of cutting off, and a stop cancels only its own speech, never the reader's.
TEST_F(WithPrivateServer, SpeaksAsVentraAtMessagePriorityAndStopsOnlyItsOwnSpeech) {
    voice->Say("india at message priority");
    ASSERT_TRUE(WaitFor(
        [&] { return server.Received("india at message priority") != std::string::npos; }, 10s));
    voice->Stop();
    voice->Say("juliet after the stop");
    ASSERT_TRUE(WaitFor(
        [&] { return server.Received("juliet after the stop") != std::string::npos; }, 10s));
    EXPECT_TRUE(server.Logged(":ventra:main")) << "the client is not named ventra";
    EXPECT_TRUE(server.Logged("Queueing message |india at message priority| with priority 2"));
    EXPECT_TRUE(server.Logged("Queueing message |juliet after the stop| with priority 2"));
    EXPECT_FALSE(server.Logged("CANCEL all") || server.Logged("CANCEL ALL") ||
                 server.Logged("STOP all") || server.Logged("STOP ALL"));
}

TEST_F(WithPrivateServer, AServerThatGoesAwayIsReportedAndReconnectedLater) {
    voice->Say("before the server goes");
    ASSERT_TRUE(WaitFor(
        [&] { return server.Received("before the server goes") != std::string::npos; }, 10s));
    server.Kill();

    // The loss shows at one of the next calls, at the latest when a libspeechd call has been
    // stuck for the two-second bound; none of them hangs or crashes.
    const auto start = Clock::now();
    bool reported = false;
    for (int i = 0; i < 80 && !reported; ++i) {
        try {
            voice->Say("into the void");
            std::this_thread::sleep_for(50ms);
        } catch (const speech::Error&) {
            reported = true;
        }
    }
    EXPECT_TRUE(reported);
    EXPECT_LT(Clock::now() - start, 4s);

    // A new server is found by a later call, a few seconds on.
    TempFolder otherFolder;
    PrivateServer other(otherFolder);
    ASSERT_TRUE(other.Started());
    setenv("SPEECHD_ADDRESS", other.Address().c_str(), 1);
    bool spoken = false;
    for (int i = 0; i < 40 && !spoken; ++i) {
        try {
            voice->Say("back again");
            spoken = true;
        } catch (const speech::Error&) {
            std::this_thread::sleep_for(200ms);
        }
    }
    ASSERT_TRUE(spoken);
    EXPECT_TRUE(WaitFor([&] { return other.Received("back again") != std::string::npos; }, 10s));
}

TEST(DispatcherVoice, NoServerIsReportedByALaterCallAndIsNotRetriedAtOnce) {
    TempFolder folder;
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + (folder / "missing.sock").string()).c_str(), 1);
    unsetenv("VENTRA_SPEECH");
    auto voice = CreateVoice(Reader::Jfw);  // connects lazily: creating never fails

    // The connection is tried behind the caller's back; its failure shows at a later call.
    auto start = Clock::now();
    voice->Say("nobody hears this");
    EXPECT_LT(Clock::now() - start, 50ms);
    std::string message;
    ASSERT_TRUE(WaitFor(
        [&] {
            try {
                voice->Say("still nobody");
                return false;
            } catch (const speech::Error& e) {
                message = e.what();
                return true;
            }
        },
        2500ms));
    EXPECT_TRUE(message.starts_with("Speech service unavailable")) << message;

    start = Clock::now();
    EXPECT_THROW(voice->Stop(), speech::Error);
    EXPECT_THROW(voice->Say("again"), speech::Error);
    EXPECT_LT(Clock::now() - start, 200ms);
}

// A socket that accepts connections into its backlog and never answers, like a stuck server.
class SilentServer {
public:
    explicit SilentServer(const std::filesystem::path& path) {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
        if (::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(m_fd, 8) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~SilentServer() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    bool Listening() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

TEST(DispatcherVoice, AServerThatNeverAnswersDoesNotHangTheEnd) {
    TempFolder folder;
    const auto socket = folder / "stuck.sock";
    auto server = std::make_unique<SilentServer>(socket);
    ASSERT_TRUE(server->Listening());
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket.string()).c_str(), 1);
    unsetenv("VENTRA_SPEECH");

    const auto start = Clock::now();
    {
        auto voice = CreateVoice(Reader::Jfw);
        voice->Say("stuck");  // its worker now waits for the server's first answer
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_LT(Clock::now() - start, 2000ms);
    // The worker left behind meets a dropped connection when the server goes; that must not
    // bring the process down.
    server.reset();
    std::this_thread::sleep_for(500ms);
}

// Calls Say and Stop every 20 ms for `span` and returns the longest call.
template <typename Voice>
Clock::duration LongestCall(Voice& voice, std::chrono::milliseconds span, bool& reported) {
    Clock::duration longest{};
    const auto end = Clock::now() + span;
    for (int i = 0; Clock::now() < end; ++i) {
        const auto start = Clock::now();
        try {
            if (i % 5 == 4) {
                voice.Stop();
            } else {
                voice.Say("nobody is listening");
            }
        } catch (const speech::Error&) {
            reported = true;
        }
        longest = std::max(longest, Clock::now() - start);
        std::this_thread::sleep_for(20ms);
    }
    return longest;
}

TEST(DispatcherVoice, AServerThatNeverAnswersNeverHoldsUpTheCaller) {
    TempFolder folder;
    const auto socket = folder / "stuck.sock";
    SilentServer server(socket);
    ASSERT_TRUE(server.Listening());
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket.string()).c_str(), 1);
    unsetenv("VENTRA_SPEECH");
    auto voice = CreateVoice(Reader::Jfw);

    // Past the first attempt's bound and into the next attempt, three seconds on.
    bool reported = false;
    const auto longest = LongestCall(*voice, 3500ms, reported);
    EXPECT_LT(longest, 50ms)
        << "a call took " << std::chrono::duration_cast<std::chrono::milliseconds>(longest).count()
        << " ms";
    EXPECT_TRUE(reported) << "the silent service was never reported";
}

TEST_F(WithPrivateServer, TheRateIsSetForThisClientBeforeItsNextText) {
    voice->SetRate(70);
    voice->Say("kilo at a faster rate");
    ASSERT_TRUE(WaitFor(
        [&] { return server.Received("kilo at a faster rate") != std::string::npos; }, 10s));
    EXPECT_TRUE(server.Logged("SET SELF RATE 40") || server.Logged("set self rate 40"));
}

}  // namespace
