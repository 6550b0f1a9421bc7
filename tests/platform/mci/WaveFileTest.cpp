#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/files/File.h"
#include "platform/mci/WaveFile.h"
#include "tests/platform/files/ScopedFifo.h"
#include "tests/platform/files/TimeOf.h"
#include "tests/platform/mci/TestSupport.h"
#include "tests/support/TempFolder.h"

namespace {

using mci_test::Bytes;
using mci_test::Pattern;
using mci_test::WaveBytes;
using mci_test::WaveSpec;
using testing_support::TempFolder;

Bytes Held(const mci::WaveSound& sound) {
    return {sound.frames.Data(), sound.frames.Data() + sound.frames.Size()};
}

class WaveFileTest : public testing::Test {
protected:
    mci::ErrorCode Read(const Bytes& fileBytes, mci::WaveSound& sound) {
        mci_test::WriteFile(m_folder / "in.wav", fileBytes);
        return mci::ReadWaveFile(m_folder / "in.wav", sound);
    }

    TempFolder m_folder;
};

TEST_F(WaveFileTest, ReadsTheFormatAndSamplesOfEachKind) {
    for (const WaveSpec spec : {WaveSpec{1, 8000, 8, false}, WaveSpec{2, 22050, 8, true},
                                WaveSpec{1, 11025, 16, true}, WaveSpec{2, 44100, 16, false}}) {
        const Bytes samples = Pattern(spec.channels * spec.bits / 8u * 25u);
        mci::WaveSound sound;
        ASSERT_EQ(Read(WaveBytes(spec, samples), sound), mci::Ok);
        EXPECT_EQ(sound.format.channels, spec.channels);
        EXPECT_EQ(sound.format.samplesPerSec, spec.rate);
        EXPECT_EQ(sound.format.bitsPerSample, spec.bits);
        EXPECT_EQ(Held(sound), samples);
    }
}

// Memory the caller hands in holds the samples: a device closed for an edit and opened again
// reuses its pages.
TEST_F(WaveFileTest, MemoryAlreadyHeldIsReused) {
    const Bytes samples = Pattern(4000);
    mci::WaveSound sound;
    ASSERT_TRUE(sound.frames.Allocate(samples.size()));
    [[maybe_unused]] const std::uint8_t* given = sound.frames.Data();
    ASSERT_EQ(Read(WaveBytes({1, 8000, 16, false}, samples), sound), mci::Ok);
#if !defined(__SANITIZE_ADDRESS__)  // the sanitizer's realloc always moves a block
    EXPECT_EQ(sound.frames.Data(), given);
#endif
    EXPECT_EQ(Held(sound), samples);
}

// A file laid out exactly as a save writes it is known as such, by its stamp; one that a save
// would write otherwise is not.
TEST_F(WaveFileTest, KnowsAFileInTheFormASaveWrites) {
    const auto stampOfFile = [this] {
        return files::File(m_folder / "in.wav", files::FileMode::Read).Stamp();
    };
    for (const Bytes& file :
         {WaveBytes({1, 8000, 8, false}, Pattern(7)), WaveBytes({2, 44100, 16, false}, Pattern(40)),
          WaveBytes({1, 8000, 16, false}, {})}) {
        mci::WaveSound sound;
        ASSERT_EQ(Read(file, sound), mci::Ok);
        ASSERT_TRUE(sound.files.readFrom.has_value());
        EXPECT_EQ(sound.files.readFrom, stampOfFile());
    }

    Bytes padded = WaveBytes({1, 8000, 8, false}, Pattern(7));
    padded.back() = 1;
    Bytes trailing = WaveBytes({1, 8000, 16, false}, Pattern(8));
    trailing.push_back(0);
    Bytes byteRate = WaveBytes({1, 8000, 16, false}, Pattern(8));
    byteRate[28] ^= 1;
    Bytes cut = WaveBytes({1, 8000, 16, false}, Pattern(8));
    cut.resize(cut.size() - 2);
    for (const Bytes& file :
         {padded, trailing, byteRate, cut, WaveBytes({1, 8000, 16, true}, Pattern(8)),
          WaveBytes({1, 8000, 16, false}, Pattern(7))}) {
        mci::WaveSound sound;
        ASSERT_EQ(Read(file, sound), mci::Ok);
        EXPECT_FALSE(sound.files.readFrom.has_value()) << file.size() << " bytes";
    }
}

TEST_F(WaveFileTest, TruncatedDataKeepsTheWholeFramesThatAreThere) {
    const Bytes samples = Pattern(400);
    Bytes file = WaveBytes({2, 8000, 16, false}, samples);
    file.resize(file.size() - 103);  // cuts into a frame
    mci::WaveSound sound;
    ASSERT_EQ(Read(file, sound), mci::Ok);
    EXPECT_EQ(sound.frames.Size(), 296u);
    EXPECT_EQ(Held(sound), Bytes(samples.begin(), samples.begin() + 296));
}

TEST_F(WaveFileTest, OddLengthSamplesAndChunksBeforeTheFormat) {
    Bytes file = WaveBytes({1, 8000, 8, false}, Pattern(7));
    // Move a padded odd chunk in front of "fmt ".
    const Bytes junk = {'j', 'u', 'n', 'k', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    file.insert(file.begin() + 12, junk.begin(), junk.end());
    mci::WaveSound sound;
    ASSERT_EQ(Read(file, sound), mci::Ok);
    EXPECT_EQ(Held(sound), Pattern(7));
}

TEST_F(WaveFileTest, RefusesWhatIsNotA8Or16BitPcmWave) {
    mci::WaveSound sound;
    EXPECT_EQ(mci::ReadWaveFile(m_folder / "missing.wav", sound), mci::ErrFileNotFound);
    EXPECT_EQ(mci::ReadWaveFile(m_folder.Path(), sound), mci::ErrInvalidFile);
    EXPECT_EQ(Read({}, sound), mci::ErrInvalidFile);
    EXPECT_EQ(Read(Bytes(100, 'x'), sound), mci::ErrInvalidFile);

    const Bytes good = WaveBytes({1, 8000, 16, false}, Pattern(20));
    EXPECT_EQ(Read(Bytes(good.begin(), good.begin() + 30), sound), mci::ErrInvalidFile)
        << "format chunk cut short";
    Bytes noFormat = good;
    noFormat[12] = 'X';
    EXPECT_EQ(Read(noFormat, sound), mci::ErrInvalidFile);
    Bytes bits24 = good;
    bits24[34] = 24;
    EXPECT_EQ(Read(bits24, sound), mci::ErrInvalidFile);
    Bytes floatFormat = good;
    floatFormat[20] = 3;
    EXPECT_EQ(Read(floatFormat, sound), mci::ErrInvalidFile);
    Bytes noChannels = good;
    noChannels[22] = 0;
    EXPECT_EQ(Read(noChannels, sound), mci::ErrInvalidFile);
}

TEST_F(WaveFileTest, AFifoInPlaceOfAFileIsRefusedAtOnce) {
    const testing_support::ScopedFifo fifo(m_folder / "hit.wav");
    mci::WaveSound sound;
    mci::ErrorCode read = mci::Ok;
    mci::ErrorCode opened = mci::Ok;
    const auto took = testing_support::TimeOf([&] {
        read = mci::ReadWaveFile(fifo.Path(), sound);
        opened = mci_test::Send("open " + fifo.Path().string() + " alias fifo wait").error;
    });
    EXPECT_LT(took, std::chrono::seconds(1));
    EXPECT_EQ(read, mci::ErrInvalidFile);
    EXPECT_EQ(opened, mci::ErrInvalidFile);
}

// A "LIST" chunk between the format and the samples, of `size` bytes as declared, holding
// `body` bytes and then, with `pad`, a zero pad byte.
Bytes WithListChunk(const Bytes& canonical, std::uint32_t size, std::size_t body, bool pad) {
    // Byte by byte: GCC 12 wrongly warns of an overflow for ranged inserts here.
    Bytes file;
    for (std::size_t i = 0; i < 36; ++i) {
        file.push_back(canonical[i]);
    }
    mci_test::PutTag(file, "LIST");
    mci_test::PutLe(file, size, 4);
    file.resize(file.size() + body, 'i');
    if (pad) {
        file.push_back(0);
    }
    for (std::size_t i = 36; i < canonical.size(); ++i) {
        file.push_back(canonical[i]);
    }
    return file;
}

// Files seen in the wild: every sample is read, or the file is refused; never a success that
// holds fewer samples than the file.
TEST_F(WaveFileTest, MalformedChunksGiveEverySampleOrAnError) {
    const Bytes samples = Pattern(200);
    const Bytes canonical = WaveBytes({1, 8000, 16, false}, samples);
    mci::WaveSound sound;
    ASSERT_EQ(Read(WithListChunk(canonical, 5, 5, false), sound), mci::Ok)
        << "odd size, no pad byte";
    EXPECT_EQ(Held(sound), samples);
    ASSERT_EQ(Read(WithListChunk(canonical, 5, 5, true), sound), mci::Ok) << "odd size, padded";
    EXPECT_EQ(Held(sound), samples);
    EXPECT_EQ(Read(WithListChunk(canonical, 0xFFFFFFFF, 6, false), sound), mci::ErrInvalidFile);
    EXPECT_EQ(Read(WithListChunk(canonical, 0xFFFFFFF0, 6, false), sound), mci::ErrInvalidFile);
    Bytes noData = canonical;
    noData.resize(36);
    ASSERT_EQ(Read(noData, sound), mci::Ok) << "no data chunk at all: no samples to lose";
    EXPECT_EQ(sound.frames.Size(), 0u);
}

TEST_F(WaveFileTest, HugeDeclaredSizesAreBoundByTheFile) {
    Bytes file = WaveBytes({1, 8000, 16, false}, Pattern(10));
    for (int i = 40; i < 44; ++i) {
        file[i] = 0xFF;
    }
    mci::WaveSound sound;
    ASSERT_EQ(Read(file, sound), mci::Ok);
    EXPECT_EQ(sound.frames.Size(), 10u);
}

TEST_F(WaveFileTest, WritesACanonicalFileThatReadsBack) {
    const Bytes samples = Pattern(9);
    const mci::WaveFormat format{1, 11025, 8};
    const auto target = m_folder / "out.wav";
    ASSERT_EQ(mci::WriteWaveFile(target, format, samples), mci::Ok);
    const Bytes written = mci_test::ReadFile(target);
    EXPECT_EQ(written, WaveBytes({1, 11025, 8, false}, samples));

    if (std::system("command -v sox >/dev/null 2>&1") == 0) {
        const std::string query = "sox --i -r '" + target.string() + "' 2>/dev/null";
        FILE* pipe = popen(query.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char line[32] = {};
        ASSERT_NE(fgets(line, sizeof line, pipe), nullptr);
        pclose(pipe);
        EXPECT_EQ(std::string(line), "11025\n");
    }
    EXPECT_EQ(mci::WriteWaveFile(m_folder / "no" / "x.wav", format, samples), mci::ErrFileNotSaved);
}

}  // namespace
