// Finding where the samples start, and Open's refusal of files where that fails.
#include <gtest/gtest.h>

#include "platform/automation/Object.h"
#include "tests/wavecontrol/FakeMci.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/HeaderSize.h"
#include "wavecontrol/SonivelCtrl.h"

namespace sonivel {
namespace {

class HeaderSizeTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        const auto path = (dir / name).string();
        wavtest::WriteFile(path, bytes);
        return path;
    }
    // Bytes with "data" at `offset` in a file of `size` bytes of filler.
    std::string TagAt(std::size_t offset, std::size_t size) {
        std::string bytes(size, 'x');
        bytes.replace(offset, 4, "data");
        return bytes;
    }
    wavtest::TempDir dir;
};

TEST_F(HeaderSizeTest, CanonicalWavHasItsSamplesAt44) {
    const auto path =
        Write("a.wav", wavtest::WavBytes(2, 16, 44100, 10, [](auto, int) { return 1; }));
    EXPECT_EQ(FindHeaderSize(path.c_str()), 44);
}

TEST_F(HeaderSizeTest, TheFirstTagWithinTheFirst10004BytesWins) {
    EXPECT_EQ(FindHeaderSize(Write("b", TagAt(1, 20)).c_str()), 9);
    EXPECT_EQ(FindHeaderSize(Write("c", TagAt(10000, 10004)).c_str()), 10008);
    std::string two = TagAt(50, 200);
    two.replace(20, 4, "data");
    EXPECT_EQ(FindHeaderSize(Write("d", two).c_str()), 28);
}

TEST_F(HeaderSizeTest, NoUsableTagGivesZero) {
    EXPECT_EQ(FindHeaderSize(Write("at0", TagAt(0, 100)).c_str()), 0);
    EXPECT_EQ(FindHeaderSize(Write("beyond", TagAt(10001, 20000)).c_str()), 0);
    EXPECT_EQ(FindHeaderSize(Write("none", std::string(30000, 'd')).c_str()), 0);
    EXPECT_EQ(FindHeaderSize(Write("empty", "").c_str()), 0);
    EXPECT_EQ(FindHeaderSize(Write("cut", "RIFFdat").c_str()), 0);
    EXPECT_EQ(FindHeaderSize((dir / "missing").c_str()), 0);
    EXPECT_EQ(FindHeaderSize(dir.Path().c_str()), 0) << "a folder";
}

TEST_F(HeaderSizeTest, TruncatedWavStillHasItsHeaderFound) {
    std::string bytes = wavtest::WavBytes(1, 16, 8000, 1000, [](auto, int) { return 7; });
    bytes.resize(46);
    EXPECT_EQ(FindHeaderSize(Write("t.wav", bytes).c_str()), 44);
}

// Open passes the device's open, but finds no samples: 514 and closed.
TEST_F(HeaderSizeTest, OpenRefusesFilesWithoutAHeaderSize) {
    const std::string files[] = {Write("text.wav", "just some text, no tag"),
                                 Write("empty.wav", ""), Write("at0.wav", TagAt(0, 100)),
                                 Write("far.wav", TagAt(10001, 10100)), dir.Path().string()};
    for (const auto& path : files) {
        fakemci::Reset();
        auto control = automation::MakeObject<CSonivelCtrl>();
        control->Open(path);
        const std::string alias = std::to_string(g_lAliasCounter);
        EXPECT_EQ(control->GetErrorCode(), 514) << path;
        EXPECT_EQ(control->GetErrorMessage(), "Cannot determine WAV header size.");
        EXPECT_EQ(control->GetWavFilename(), "") << path;
        EXPECT_EQ(fakemci::Sent().back(), "close " + alias + " wait") << path;
    }
    fakemci::Reset();
}

}  // namespace
}  // namespace sonivel
