// sonivel-host ended by a signal in the middle of a long Play with waiting, as logging out,
// `kill` or Ctrl+C end it: it ends at once and leaves no working copy or clipboard behind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class SignalTest : public ::testing::TestWithParam<int> {
protected:
    SignalTest() {
        fs::create_directory(m_tmp);
        // 30 s of 8-bit mono at 8 kHz, written as the header's words (little-endian).
        std::string bytes = "RIFF";
        for (const std::uint32_t word : {36u + 240000u, 0x45564157u, 0x20746D66u, 16u, 0x00010001u,
                                         8000u, 8000u, 0x00080001u, 0x61746164u, 240000u}) {
            bytes.append(reinterpret_cast<const char*>(&word), 4);
        }
        bytes.append(240000, '\x90');
        std::ofstream(m_wav, std::ios::binary) << bytes;
        std::ofstream(m_script) << "create s SONIVEL.SonivelCtrl --library " SONIVEL_OCX "\n"
                                << "call s Open \"" << m_wav.string() << "\"\n"
                                << "call s ChangeVolume 0 -1 0.5\n"
                                << "call s Copy 0 99\n"
                                << "call s Play -1 -1 true\n";
    }
    ~SignalTest() override {
        if (m_host > 0) {
            ::kill(m_host, SIGKILL);
            ::waitpid(m_host, nullptr, 0);
        }
    }

    // Starts the host on the script; it plays through SDL's disk driver in real time.
    void Start() {
        m_host = ::fork();
        if (m_host == 0) {
            ::setenv("TMPDIR", m_tmp.c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", m_folder.Path().c_str(), 1);
            ::setenv("SDL_AUDIODRIVER", "disk", 1);
            ::setenv("SDL_DISKAUDIOFILE", m_played.c_str(), 1);
            ::unsetenv("SDL_DISKAUDIODELAY");
            const int out = ::open(m_output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(out, STDOUT_FILENO);
            ::execl(SONIVEL_HOST, SONIVEL_HOST, "run", m_script.c_str(), nullptr);
            ::_exit(127);
        }
    }

    // Waits until `done` holds, looking every 10 ms, for at most `limit`.
    template <class Done>
    static bool Within(std::chrono::milliseconds limit, Done&& done) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(10ms);
        }
        return true;
    }

    testing_support::TempFolder m_folder;
    const fs::path m_tmp = m_folder / "tmp";
    const fs::path m_wav = m_folder / "long.wav";
    const fs::path m_script = m_folder / "play.txt";
    const fs::path m_played = m_folder / "played.raw";
    const fs::path m_output = m_folder / "output.jsonl";
    pid_t m_host = -1;
};

TEST_P(SignalTest, EndsAPlayAtOnceAndLeavesNothingInTheTemporaryFolder) {
    Start();
    ASSERT_GT(m_host, 0);
    // The sound reaches the audio driver only once Play has started.
    ASSERT_TRUE(Within(10s, [&] {
        std::error_code missing;
        const std::uintmax_t played = fs::file_size(m_played, missing);
        return !missing && played > 0;
    }));
    ASSERT_EQ(::kill(m_host, GetParam()), 0);
    int status = 0;
    const bool ended = Within(3s, [&] { return ::waitpid(m_host, &status, WNOHANG) == m_host; });
    ASSERT_TRUE(ended) << "still playing after the signal";
    m_host = -1;
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == GetParam())
        << "ends as the signal ends a program";
    EXPECT_TRUE(fs::is_empty(m_tmp)) << "working copy and clipboard removed";
}

INSTANTIATE_TEST_SUITE_P(TermAndInterrupt, SignalTest, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) { return info.param == SIGTERM ? "Term" : "Int"; });

}  // namespace
