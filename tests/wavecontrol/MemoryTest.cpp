// The editing operations on a 300 MB file, each in a child process whose address space is limited
// to what it held before plus the device's copy of the samples, the host's array and 40 MB: the
// edits themselves may add no more than a bounded buffer, whatever the size of the file. The
// results are read back from the saved files a piece at a time.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/automation/Object.h"
#include "platform/mci/RiffChunks.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelServer.h"

namespace sonivel {
namespace {

constexpr std::int32_t kFrames = 75'000'000;  // 16-bit stereo: 300 MB of samples
constexpr std::uint64_t kDataBytes = std::uint64_t{kFrames} * 4;
constexpr std::uint64_t kAllowance = 40u << 20;
constexpr std::size_t kPieceFrames = 1 << 18;
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

std::int16_t Sample(std::int64_t frame, int channel) {
    return static_cast<std::int16_t>(frame * 7 + channel * 1000);
}

// The address space the process holds now, in bytes.
std::uint64_t AddressSpace() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmSize:")) {
            return std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
        }
    }
    return 0;
}

// Reads the samples of a canonical file a piece at a time and checks each frame with `expect`
// (frame, channel) -> value; the frames of the first mismatch, or -1.
std::int64_t FirstMismatch(const std::filesystem::path& path,
                           const std::function<std::int16_t(std::int64_t, int)>& expect) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(44);
    std::vector<std::int16_t> piece(kPieceFrames * 2);
    for (std::int64_t frame = 0; frame < kFrames;) {
        const auto count = std::min<std::int64_t>(kPieceFrames, kFrames - frame);
        if (!in.read(reinterpret_cast<char*>(piece.data()), count * 4)) {
            return frame;
        }
        for (std::int64_t i = 0; i < count; ++i, ++frame) {
            if (piece[2 * i] != expect(frame, 0) || piece[2 * i + 1] != expect(frame, 1)) {
                return frame;
            }
        }
    }
    return -1;
}

class MemoryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (kSanitized) {
            return;
        }
        s_dir = new wavtest::TempDir;
        std::filesystem::create_directory(*s_dir / "tmp");
        // Written in pieces: the test itself never holds the file.
        std::ofstream out(Source(), std::ios::binary);
        const auto header = riff::CanonicalHeader({2, 44100, 16}, kDataBytes);
        out.write(reinterpret_cast<const char*>(header->data()), header->size());
        std::vector<std::int16_t> piece(kPieceFrames * 2);
        for (std::int64_t frame = 0; frame < kFrames;) {
            const auto count = std::min<std::int64_t>(kPieceFrames, kFrames - frame);
            for (std::int64_t i = 0; i < count; ++i, ++frame) {
                piece[2 * i] = Sample(frame, 0);
                piece[2 * i + 1] = Sample(frame, 1);
            }
            out.write(reinterpret_cast<const char*>(piece.data()), count * 4);
        }
    }
    static void TearDownTestSuite() {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override {
        if (kSanitized) {
            GTEST_SKIP() << "the sanitizer's memory map does not fit an address-space limit";
        }
        setenv("TMPDIR", (*s_dir / "tmp").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TMPDIR");
        if (s_dir != nullptr) {
            std::filesystem::remove(Saved());
        }
    }

    static std::filesystem::path Source() { return *s_dir / "source.wav"; }
    static std::filesystem::path Saved() { return *s_dir / "tmp" / "saved.wav"; }

    // Opens the source in a child limited to its address space so far plus the device's copy,
    // `arrayBytes` for the host's array and the allowance; runs `edit`, saves to Saved() and
    // gives the child's exit status: 0 when every call succeeded.
    static int InLimitedChild(std::uint64_t arrayBytes,
                              const std::function<bool(CSonivelCtrl&)>& edit) {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlim_t limit = AddressSpace() + kDataBytes + arrayBytes + kAllowance;
            const rlimit space{limit, limit};
            if (::setrlimit(RLIMIT_AS, &space) != 0) {
                ::_exit(3);
            }
            auto control = automation::MakeObject<CSonivelCtrl>();
            control->Open(Source().string());
            const bool edited = control->GetErrorCode() == 0 && edit(*control);
            control->SaveAs(Saved().string());
            const bool saved = control->GetErrorCode() == 0;
            // The working copy and the clipboard go, as when a host ends.
            control.Reset();
            ModuleEnd();
            ::_exit(edited && saved ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    static inline wavtest::TempDir* s_dir = nullptr;
};

TEST_F(MemoryTest, VolumeAndRate) {
    EXPECT_EQ(InLimitedChild(0,
                             [](CSonivelCtrl& control) {
                                 control.ChangeVolume(0, -1, 0.5f);
                                 const bool scaled = control.GetErrorCode() == 0;
                                 control.SetSamplingRate(22050);
                                 return scaled && control.GetErrorCode() == 0;
                             }),
              0);
    EXPECT_EQ(
        FirstMismatch(Saved(), [](std::int64_t f,
                                  int c) { return static_cast<std::int16_t>(Sample(f, c) / 2); }),
        -1);
    std::ifstream saved(Saved(), std::ios::binary);
    std::uint8_t header[44] = {};
    saved.read(reinterpret_cast<char*>(header), sizeof header);
    EXPECT_EQ(riff::ReadLe32(&header[riff::kSampleRateOffset]), 22050u);
}

TEST_F(MemoryTest, ArraysBothWays) {
    const std::uint64_t arrayBytes = kDataBytes;
    EXPECT_EQ(InLimitedChild(arrayBytes,
                             [](CSonivelCtrl& control) {
                                 std::vector<std::int16_t> values(std::size_t{kFrames} * 2);
                                 control.WavFileToArray(values.data(), kFrames * 2);
                                 bool same = control.GetErrorCode() == 0;
                                 for (std::int64_t i = 0; same && i < kFrames * 2; ++i) {
                                     same = values[static_cast<std::size_t>(i)] ==
                                            Sample(i / 2, static_cast<int>(i % 2));
                                 }
                                 for (std::int16_t& v : values) {
                                     v = static_cast<std::int16_t>(~v);
                                 }
                                 control.ArrayToWavFile(values.data(), kFrames * 2);
                                 return same && control.GetErrorCode() == 0;
                             }),
              0);
    EXPECT_EQ(
        FirstMismatch(Saved(), [](std::int64_t f,
                                  int c) { return static_cast<std::int16_t>(~Sample(f, c)); }),
        -1);
}

TEST_F(MemoryTest, CopyTheFirstHalfOverTheSecond) {
    constexpr std::int32_t kHalf = kFrames / 2;
    EXPECT_EQ(InLimitedChild(0,
                             [](CSonivelCtrl& control) {
                                 control.Copy(0, kHalf - 1);
                                 const bool copied = control.GetErrorCode() == 0;
                                 control.Paste(kHalf, -1);
                                 return copied && control.GetErrorCode() == 0;
                             }),
              0);
    EXPECT_EQ(FirstMismatch(Saved(), [](std::int64_t f, int c) { return Sample(f % kHalf, c); }),
              -1);
}

}  // namespace
}  // namespace sonivel
