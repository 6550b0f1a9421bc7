// The arithmetic and the file pieces under the editing operations: the data chunk of a working
// copy, frame ranges, the layout of a paste, sample conversions and volume, the buffer, and the
// new files written piece by piece.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/files/File.h"
#include "platform/files/ReplacingWriter.h"
#include "platform/mci/RiffChunks.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/FrameRanges.h"
#include "wavecontrol/Samples.h"
#include "wavecontrol/StreamEdits.h"
#include "wavecontrol/WavBuffer.h"
#include "wavecontrol/WavLayout.h"
#include "wavecontrol/WorkFiles.h"

namespace sonivel {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::string Silence16(int channels, std::uint32_t frames) {
    return wavtest::WavBytes(channels, 16, 8000, frames, [](auto, int) { return 0; });
}

using wavtest::WithChunkBeforeData;

TEST(DataOffsetTest, WalksTheChunksInsteadOfSearchingForTheTag) {
    EXPECT_EQ(FindDataOffset(ToBytes(Silence16(2, 10))), 44);
    EXPECT_EQ(FindDataOffset(ToBytes(WithChunkBeforeData(Silence16(2, 10), 30))), 44 + 38);
    // An odd chunk is padded; a tag inside a chunk's payload is not a chunk.
    EXPECT_EQ(FindDataOffset(ToBytes(WithChunkBeforeData(Silence16(2, 10), 5))), 44 + 14);
    std::string rate = Silence16(1, 4);
    std::memcpy(&rate[24], "data", 4);  // a sampling rate whose bytes spell the tag
    EXPECT_EQ(FindDataOffset(ToBytes(rate)), 44);
}

TEST(DataOffsetTest, RefusesWhatIsNotAWaveFileOrReachesTooFar) {
    EXPECT_EQ(FindDataOffset({}), 0);
    EXPECT_EQ(FindDataOffset(ToBytes("RIFF....WAVEdata")), 0) << "chunk header cut short";
    std::string rifx = Silence16(1, 1);
    rifx[3] = 'X';
    EXPECT_EQ(FindDataOffset(ToBytes(rifx)), 0);
    // The data chunk's header may start at byte 10000, not after it.
    EXPECT_EQ(FindDataOffset(ToBytes(WithChunkBeforeData(Silence16(1, 1), 9956))), 10008);
    EXPECT_EQ(FindDataOffset(ToBytes(WithChunkBeforeData(Silence16(1, 1), 9958))), 0);
    std::string huge = Silence16(1, 1);
    std::memcpy(&huge[16], "\xff\xff\xff\xff", 4);  // a format chunk that claims 4 GB
    EXPECT_EQ(FindDataOffset(ToBytes(huge)), 0);
}

TEST(FrameRangeTest, CopyAndPasteClampToTheFrames) {
    using Span = std::pair<std::int64_t, std::int64_t>;
    const auto span = [](std::int32_t from, std::int32_t to) {
        const auto s = ClampFrames(from, to, 1000);
        return s ? Span(s->first, s->last) : Span(-9, -9);
    };
    EXPECT_EQ(span(0, 99), Span(0, 99));
    EXPECT_EQ(span(10, -1), Span(10, 999));
    EXPECT_EQ(span(2000, 3000), Span(999, 999));
    EXPECT_EQ(span(-5, -7), Span(0, 0));
    EXPECT_EQ(span(5, 2), Span(-9, -9));
    EXPECT_EQ(span(INT32_MIN, INT32_MAX), Span(0, 999));
    ASSERT_TRUE(ClampFrames(-1, -1, 0));
    EXPECT_EQ(ClampFrames(-1, -1, 0)->last, 0) << "an empty sound gets its recorded frame";
}

TEST(FrameRangeTest, VolumeRangeEndsAtTheLengthExclusively) {
    EXPECT_TRUE(CheckVolumeRange(0, -1, 1000));
    EXPECT_EQ(CheckVolumeRange(0, -1, 1000)->end, 1000);
    EXPECT_TRUE(CheckVolumeRange(1000, 1000, 1000));
    EXPECT_FALSE(CheckVolumeRange(0, 1001, 1000));
    EXPECT_FALSE(CheckVolumeRange(6, 5, 1000));
    EXPECT_FALSE(CheckVolumeRange(-1, 5, 1000));
    EXPECT_FALSE(CheckVolumeRange(0, -2, 1000));
    EXPECT_FALSE(CheckVolumeRange(INT32_MIN, INT32_MAX, 1000));
}

TEST(PastePlanTest, ReplacesTheRangeWithTheClipboardsWholeFrames) {
    PasteSource source{44, 1000, 4, 44 + 4000, 400};
    auto plan = PlanPaste(source, {500, 500});
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->headBytes, 44 + 2000);
    EXPECT_EQ(plan->clipBytes, 400);
    EXPECT_EQ(plan->tailOffset, 44 + 2004);
    EXPECT_EQ(plan->newSize, 44 + 1099 * 4);
    source.clipBytes = 403;  // three bytes of a fourth... of a 101st frame
    EXPECT_EQ(PlanPaste(source, {500, 500})->clipBytes, 400);
    source.clipBytes = 3;
    EXPECT_EQ(PlanPaste(source, {0, 999})->newSize, 44) << "less than a frame pastes nothing";
}

TEST(PastePlanTest, RefusesACopyShorterThanItsFramesOrAnImpossibleLayout) {
    EXPECT_FALSE(PlanPaste({44, 1000, 4, 44 + 3999, 0}, {0, 0}));
    EXPECT_FALSE(PlanPaste({8, 10, 1, 100, 0}, {0, 0})) << "no room for the size fields";
    EXPECT_FALSE(PlanPaste({44, 10, 0, 100, 0}, {0, 0}));
    EXPECT_FALSE(PlanPaste({44, 10, 1, 100, 0}, {0, 10}));
    EXPECT_FALSE(PlanPaste({44, 10, 1, 100, INT32_MAX}, {0, 0})) << "over 2 GB";
}

TEST(PastePlanTest, FillTakesHeadClipboardAndTailAndRewritesTheSizes) {
    wavtest::TempDir dir;
    const auto file = [&](const std::string& name, const std::string& bytes) {
        wavtest::WriteFile(dir / name, bytes);
        return files::File(dir / name, files::FileMode::Read);
    };
    const files::File work =
        file("work", wavtest::WavBytes(1, 8, 8000, 10, [](auto f, int) { return f; }));
    const files::File clip = file("clip", "ABCDE");
    const auto plan = PlanPaste({44, 10, 1, 54, 5}, {2, 4});
    ASSERT_TRUE(plan);
    {
        files::ReplacingWriter out(dir / "pasted");
        ASSERT_EQ(FillPaste(*plan, work, clip, out), 0);
        ASSERT_TRUE(out.Commit());
    }
    const std::string pasted = testing_support::ReadFile(dir / "pasted");
    ASSERT_EQ(pasted.size(), static_cast<std::size_t>(plan->newSize));
    EXPECT_EQ(pasted.substr(44), std::string("\0\1ABCDE\5\6\7\10\11", 12));
    const Bytes out = ToBytes(pasted);
    EXPECT_EQ(riff::ReadLe32(&out[4]), 56u - 8);
    EXPECT_EQ(riff::ReadLe32(&out[40]), 12u);

    const files::File shortClip = file("short-clip", "AB");
    files::ReplacingWriter clipped(dir / "clipped");
    EXPECT_EQ(FillPaste(*plan, work, shortClip, clipped), 522);
    const files::File shortWork =
        file("short-work",
             wavtest::WavBytes(1, 8, 8000, 10, [](auto f, int) { return f; }).substr(0, 50));
    files::ReplacingWriter cut(dir / "cut");
    EXPECT_EQ(FillPaste(*plan, shortWork, clip, cut), 518);
}

TEST(SamplesTest, ArraysHoldUnsignedBytesOrSigned16BitValues) {
    const Bytes eight = {0, 128, 255};
    std::vector<std::int16_t> values(3);
    SamplesToArray(eight, 1, values);
    EXPECT_EQ(values, (std::vector<std::int16_t>{0, 128, 255}));
    const Bytes sixteen = {0x00, 0x80, 0xff, 0x7f, 0xff, 0xff};
    SamplesToArray(sixteen, 2, values);
    EXPECT_EQ(values, (std::vector<std::int16_t>{-32768, 32767, -1}));

    Bytes back(3);
    ArrayToSamples(std::vector<std::int16_t>{300, -1, 128}, 1, back);
    EXPECT_EQ(back, (Bytes{44, 255, 128})) << "the low 8 bits";
    Bytes back16(6);
    ArrayToSamples(std::vector<std::int16_t>{-32768, 32767, -1}, 2, back16);
    EXPECT_EQ(back16, sixteen);
}

Bytes Le16s(std::initializer_list<int> values) {
    Bytes out;
    for (const int v : values) {
        out.push_back(static_cast<std::uint8_t>(v & 0xFF));
        out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return out;
}

TEST(SamplesTest, VolumeScalesAboutTheZeroLineAndClips) {
    Bytes eight = {200, 20, 128, 129, 255, 0};
    ScaleSamples(eight, 1, 2.0f);
    EXPECT_EQ(eight, (Bytes{255, 0, 128, 130, 255, 0}));
    Bytes half = {255, 0, 130};
    ScaleSamples(half, 1, 0.5f);
    EXPECT_EQ(half, (Bytes{191, 64, 129}));
    Bytes silenced = {255, 0, 7};
    ScaleSamples(silenced, 1, 0.0f);
    EXPECT_EQ(silenced, (Bytes{128, 128, 128}));

    Bytes sixteen = Le16s({20000, -20000, 16383, -16384, 0, -3});
    ScaleSamples(sixteen, 2, 2.0f);
    EXPECT_EQ(sixteen, Le16s({32767, -32768, 32766, -32768, 0, -6}));
    Bytes third = Le16s({100, -100});
    ScaleSamples(third, 2, 1.0f / 3.0f);
    EXPECT_EQ(third, Le16s({33, -33})) << "truncated towards zero";
    Bytes endless = Le16s({1, -1, 0});
    ScaleSamples(endless, 2, INFINITY);
    EXPECT_EQ(endless, Le16s({32767, -32768, 0}));
    Bytes endless8 = {129, 127, 128};
    ScaleSamples(endless8, 1, INFINITY);
    EXPECT_EQ(endless8, (Bytes{255, 0, 128}));
}

class WavBufferTest : public ::testing::Test {
protected:
    void SetUp() override { wavtest::WriteFile(path, "0123456789"); }
    std::string Loaded(std::int64_t first, std::int64_t last) {
        if (!buffer.Load(path, first, last)) {
            return "failed";
        }
        return std::string(buffer.Bytes().begin(), buffer.Bytes().end());
    }
    wavtest::TempDir dir;
    const std::string path = (dir / "ten").string();
    CWavBuffer buffer;
};

TEST_F(WavBufferTest, LoadClampsTheRangeToTheFile) {
    EXPECT_EQ(Loaded(0, -1), "0123456789");
    EXPECT_EQ(Loaded(2, 4), "234");
    EXPECT_EQ(Loaded(8, 100), "89");
    EXPECT_EQ(Loaded(50, 60), "9");
    EXPECT_EQ(Loaded(-3, -2), "0");
    EXPECT_EQ(buffer.Size(), 1);
    EXPECT_EQ(Loaded(5, 3), "failed");
    EXPECT_EQ(buffer.Size(), 0) << "a failed load holds nothing";
    EXPECT_EQ(buffer.Data(), nullptr);
}

TEST_F(WavBufferTest, LoadIsAllOrNothing) {
    EXPECT_EQ(Loaded(0, -1), "0123456789");
    wavtest::WriteFile(path, "");
    EXPECT_EQ(Loaded(0, -1), "failed") << "an empty file has no byte to give";
    EXPECT_EQ(buffer.Size(), 0);
    EXPECT_FALSE(buffer.Load(dir / "missing", 0, -1));
    EXPECT_FALSE(buffer.Load(dir.Path(), 0, -1)) << "a folder";
}

TEST(WorkFilesTest, TempFilesAreNewPrivateAndPrefixed) {
    wavtest::TempDir dir;
    const std::string a = NewTempFile(kWorkPrefix, dir.Path());
    const std::string b = NewTempFile(kWorkPrefix, dir.Path());
    ASSERT_NE(a, "");
    EXPECT_NE(a, b);
    EXPECT_EQ(std::filesystem::path(a).filename().string().substr(0, 3), "wav");
    EXPECT_EQ(std::filesystem::status(a).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(NewTempFile(kClipPrefix, dir / "missing"), "");
}

// A new content made of pieces of the old file replaces it whole, or not at all.
TEST(StreamEditsTest, PiecesOfTheOldFileMakeTheWholeNewContentOrNothing) {
    wavtest::TempDir dir;
    const std::string target = (dir / "copy").string();
    std::string old(2 * kStreamPieceBytes + 150001, 'o');
    for (std::size_t i = 0; i < old.size(); ++i) {
        old[i] = static_cast<char>(i * 7);
    }
    wavtest::WriteFile(target, old);
    const files::File source(target, files::FileMode::Read);
    {
        files::ReplacingWriter fresh(target);
        files::MemoryBlock buffer;
        ASSERT_EQ(CopyCode(fresh.AppendFrom(source, 0, 10), 518, 517), 0);
        ASSERT_TRUE(ForEachPiece(source, 10, old.size() - 20, buffer, [&](auto piece) {
            for (std::uint8_t& byte : piece) {
                byte = static_cast<std::uint8_t>(~byte);
            }
            return fresh.Write(piece);
        }));
        EXPECT_LE(buffer.Size(), kStreamPieceBytes) << "one bounded buffer";
        ASSERT_EQ(CopyCode(fresh.AppendFrom(source, old.size() - 10, 10), 518, 517), 0);
        EXPECT_EQ(testing_support::ReadFile(target), old)
            << "the old content until the new one is whole";
        ASSERT_TRUE(fresh.Commit());
    }
    std::string expected = old;
    for (std::size_t i = 10; i + 10 < expected.size(); ++i) {
        expected[i] = static_cast<char>(~expected[i]);
    }
    EXPECT_EQ(testing_support::ReadFile(target), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no file left beside it";

    files::MemoryBlock buffer;
    EXPECT_FALSE(ForEachPiece(source, old.size() - 5, 10, buffer, [](auto) { return true; }))
        << "the file ends early";
    files::ReplacingWriter nowhere((dir / "no" / "such").string());
    EXPECT_EQ(CopyCode(nowhere.AppendFrom(source, 0, 10), 518, 517), 517);
    EXPECT_EQ(CopyCode(files::ReplacingWriter(dir / "more").AppendFrom(source, old.size() - 5, 10),
                       518, 517),
              518)
        << "the source ends early";
}

}  // namespace
}  // namespace sonivel
