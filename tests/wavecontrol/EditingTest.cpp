// The editing operations on the real media layer, on WAV files made here: what they do to the
// samples, the header and the position, what Save then writes (read back independently with
// libsndfile), and the files they leave in the temporary folder.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/automation/Object.h"
#include "platform/mci/Mci.h"
#include "tests/platform/files/AsNobody.h"
#include "tests/platform/files/ScopedFifo.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelServer.h"

namespace sonivel {
namespace {

using automation::MakeObject;
using automation::Ref;
using Values = std::vector<std::int16_t>;

// What libsndfile makes of a file: its shape and its samples as 16-bit values (8-bit samples
// come as (v - 128) * 256).
struct SoundFile {
    int frames = -1;
    int channels = 0;
    int rate = 0;
    Values samples;
};

SoundFile ReadSound(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    SoundFile sound;
    if (file == nullptr) {
        return sound;
    }
    sound.frames = static_cast<int>(info.frames);
    sound.channels = info.channels;
    sound.rate = info.samplerate;
    sound.samples.resize(static_cast<std::size_t>(info.frames * info.channels));
    sf_read_short(file, sound.samples.data(), static_cast<sf_count_t>(sound.samples.size()));
    sf_close(file);
    return sound;
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::uint32_t Le32At(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

int Pattern16(std::uint32_t frame, int channel) {
    return static_cast<int>((frame * 97 + static_cast<std::uint32_t>(channel) * 5000) % 30000) -
           15000;
}

int Pattern8(std::uint32_t frame, int channel) {
    return static_cast<int>((frame * 7 + static_cast<std::uint32_t>(channel) * 50) % 256);
}

class EditingTest : public ::testing::Test {
protected:
    EditingTest() {
        std::filesystem::create_directory(tmp);
        setenv("TMPDIR", tmp.c_str(), 1);
        // Each test starts as a freshly loaded library: no clipboard yet.
        ModuleEnd();
        g_szClipFile[0] = '\0';
        g_lClipBytes = 0;
    }
    ~EditingTest() override {
        control.Reset();
        other.Reset();
        ModuleEnd();
        g_szClipFile[0] = '\0';
        unsetenv("TMPDIR");
    }

    // Writes the file and opens it in `target` (the main control by default).
    std::string OpenNew(const std::string& name, const std::string& bytes,
                        CSonivelCtrl* target = nullptr) {
        const std::string path = (dir / name).string();
        wavtest::WriteFile(path, bytes);
        (target ? target : control.Get())->Open(path);
        EXPECT_EQ((target ? target : control.Get())->GetErrorCode(), 0);
        return path;
    }
    Values Samples(std::int32_t count, CSonivelCtrl* target = nullptr) {
        Values values(static_cast<std::size_t>(count), 7777);
        (target ? target : control.Get())->WavFileToArray(values.data(), count);
        return values;
    }
    // Files in the temporary folder whose names start with `prefix`.
    int TempFiles(const std::string& prefix) const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(tmp)) {
            count += entry.path().filename().string().starts_with(prefix) ? 1 : 0;
        }
        return count;
    }
    std::filesystem::path WorkCopy() const {
        for (const auto& entry : std::filesystem::directory_iterator(tmp)) {
            if (entry.path().filename().string().starts_with("wav")) {
                return entry.path();
            }
        }
        return {};
    }

    wavtest::TempDir dir;
    const std::filesystem::path tmp = dir / "tmp";
    Ref<CSonivelCtrl> control = MakeObject<CSonivelCtrl>();
    Ref<CSonivelCtrl> other = MakeObject<CSonivelCtrl>();
};

TEST_F(EditingTest, ArrayLengthMustBeFramesTimesChannels) {
    const std::string bytes = wavtest::WavBytes(2, 16, 8000, 1000, &Pattern16);
    OpenNew("stereo.wav", bytes);
    control->Seek(250);
    EXPECT_EQ(Samples(1999), Values(1999, 7777)) << "the array is left alone";
    EXPECT_EQ(control->GetErrorCode(), 520);
    EXPECT_EQ(TempFiles("wav"), 0) << "stopped before the copy";
    const Values values = Samples(2000);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(values[0], Pattern16(0, 0));
    EXPECT_EQ(values[1], Pattern16(0, 1));
    EXPECT_EQ(values[1999], Pattern16(999, 1));
    EXPECT_EQ(control->GetPosition(), 250);
}

// The header offset of a host file with a chunk before its samples differs from the one of
// the working copies the device writes; each copy's own offset is the one that counts.
TEST_F(EditingTest, AnExtraChunkInTheHostFileDoesNotShiftTheEdits) {
    const std::string canonical = wavtest::WavBytes(1, 16, 8000, 300, &Pattern16);
    const std::string path = OpenNew("list.wav", wavtest::WithChunkBeforeData(canonical, 40));
    Values values = Samples(300);
    ASSERT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(values[0], Pattern16(0, 0));
    EXPECT_EQ(values[299], Pattern16(299, 0));
    for (auto& v : values) {
        v = static_cast<std::int16_t>(v / 2);
    }
    control->ArrayToWavFile(values.data(), 300);
    ASSERT_EQ(control->GetErrorCode(), 0);
    control->Save();
    ASSERT_EQ(control->GetErrorCode(), 0);
    const SoundFile saved = ReadSound(path);
    EXPECT_EQ(saved.frames, 300);
    EXPECT_EQ(saved.samples, values);
}

// Chunks as careless writers leave them: Open either reads every sample, so that Save writes
// them all back, or refuses the file, which then stays as it was.
TEST_F(EditingTest, MalformedChunksAreReadWhollyOrRefusedAndNeverShortenedBySave) {
    const std::string canonical = wavtest::WavBytes(1, 16, 8000, 100, &Pattern16);
    const auto withList = [&](std::uint32_t size, std::size_t body) {
        std::string chunk = "LIST";
        wavtest::PutLe(chunk, size, 4);
        chunk += std::string(body, 'i');
        return canonical.substr(0, 36) + chunk + canonical.substr(36);
    };
    const std::string files[] = {withList(7, 7), withList(0xFFFFFFFF, 8), withList(0xFFFFFFF0, 8)};
    for (const std::string& bytes : files) {
        const std::string path = (dir / "wild.wav").string();
        wavtest::WriteFile(path, bytes);
        control->Open(path);
        if (control->GetErrorCode() != 0) {
            EXPECT_EQ(FileBytes(path), bytes) << "a refused file is left alone";
            continue;
        }
        EXPECT_EQ(control->GetLength(), 100);
        control->Save();
        ASSERT_EQ(control->GetErrorCode(), 0);
        const SoundFile saved = ReadSound(path);
        ASSERT_EQ(saved.frames, 100);
        EXPECT_EQ(saved.samples[99], Pattern16(99, 0));
    }
    // No data chunk at all: no samples, and no header size (514).
    const std::string path = (dir / "none.wav").string();
    wavtest::WriteFile(path, canonical.substr(0, 36));
    control->Open(path);
    EXPECT_EQ(control->GetErrorCode(), 514);
}

// Save and SaveAs replace only a regular file the user may write; everything else is refused with
// 286 ("not saved") and left as it was. A link to a writable file is saved through.
TEST_F(EditingTest, SaveAsRefusesWhatItMustNotReplace) {
    const std::string bytes = wavtest::WavBytes(1, 16, 8000, 100, &Pattern16);
    OpenNew("source.wav", bytes);
    const std::string old = "old content";
    const auto readOnly = dir / "read-only.wav";
    wavtest::WriteFile(readOnly, old);
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    control->SaveAs(readOnly.string());
    EXPECT_EQ(control->GetErrorCode(), 286);
    EXPECT_EQ(FileBytes(readOnly), old);

    const testing_support::ScopedFifo fifo(dir / "pipe.wav");
    control->SaveAs(fifo.Path().string());
    EXPECT_EQ(control->GetErrorCode(), 286);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo.Path()));

    const auto device = dir / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        std::filesystem::create_symlink(device, dir / "to-device.wav");
        control->SaveAs((dir / "to-device.wav").string());
        EXPECT_EQ(control->GetErrorCode(), 286);
        EXPECT_TRUE(std::filesystem::is_character_file(device));
    }
    EXPECT_EQ(control->GetWavFilename(), (dir / "source.wav").string()) << "still the old name";

    const auto real = dir / "real.wav";
    wavtest::WriteFile(real, old);
    std::filesystem::create_symlink(real, dir / "link.wav");
    control->SaveAs((dir / "link.wav").string());
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.wav"));
    EXPECT_EQ(FileBytes(real), bytes);

    std::filesystem::permissions(dir / "source.wav", std::filesystem::perms::owner_read);
    control->Save();
    EXPECT_EQ(control->GetErrorCode(), 0) << "Save goes to the link's file now";
    control->SaveAs((dir / "source.wav").string());
    EXPECT_EQ(control->GetErrorCode(), 286) << "made read-only since it was opened";
}

TEST_F(EditingTest, SaveAsLeavesAnotherUsersFileAlone) {
    const std::string bytes = wavtest::WavBytes(1, 16, 8000, 100, &Pattern16);
    OpenNew("source.wav", bytes);
    const auto shared = dir / "shared";
    std::filesystem::create_directory(shared);
    std::filesystem::permissions(
        dir.Path(), std::filesystem::perms::owner_all | std::filesystem::perms::others_exec);
    std::filesystem::permissions(shared, std::filesystem::perms::all);
    const auto theirs = shared / "theirs.wav";
    wavtest::WriteFile(theirs, "their song");
    const std::optional<int> refused = testing_support::RunAsNobody([&] {
        control->SaveAs(theirs.string());
        return control->GetErrorCode() == 286 ? 0 : 1;
    });
    if (!refused) {
        GTEST_SKIP() << "only root can act as another user";
    }
    EXPECT_EQ(*refused, 0);
    EXPECT_EQ(FileBytes(theirs), "their song");
}

TEST_F(EditingTest, EightBitValuesRoundTripAndKeepTheirLowByte) {
    const std::string bytes =
        wavtest::WavBytes(1, 8, 11025, 256, [](std::uint32_t f, int) { return int(f); });
    const std::string path = OpenNew("eight.wav", bytes);
    Values values = Samples(256);
    ASSERT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[128], 128) << "silence is 128, not 0";
    EXPECT_EQ(values[255], 255);
    control->ArrayToWavFile(values.data(), 256);
    ASSERT_EQ(control->GetErrorCode(), 0);
    control->Save();
    EXPECT_EQ(FileBytes(path).substr(44), bytes.substr(44)) << "the same data back";

    values[10] = 300;
    values[11] = -1;
    control->ArrayToWavFile(values.data(), 256);
    control->Save();
    const std::string saved = FileBytes(path);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[44 + 10]), 44);
    EXPECT_EQ(static_cast<std::uint8_t>(saved[44 + 11]), 255);
    EXPECT_EQ(ReadSound(path).samples[10], (44 - 128) * 256);
}

TEST_F(EditingTest, VolumeFactorsScaleAndClipSixteenBitSamples) {
    const int values[] = {20000, -20000, 1000, -1000, 0};
    const std::string bytes =
        wavtest::WavBytes(1, 16, 8000, 5, [&](std::uint32_t f, int) { return values[f]; });
    OpenNew("v16.wav", bytes);
    control->Seek(3);
    control->ChangeVolume(0, -1, 2.0f);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(Samples(5), (Values{32767, -32768, 2000, -2000, 0}));
    control->ChangeVolume(0, -1, 1.0f);
    EXPECT_EQ(Samples(5), (Values{32767, -32768, 2000, -2000, 0}));
    control->ChangeVolume(0, -1, -1.0f);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(Samples(5), Values(5, 0)) << "a negative factor silences";
    EXPECT_EQ(control->GetPosition(), 3);
}

TEST_F(EditingTest, VolumeScalesEightBitSamplesOnlyFromFromUpToTo) {
    const int values[] = {200, 20, 200, 20, 200, 20};
    const std::string bytes =
        wavtest::WavBytes(2, 8, 8000, 3, [&](std::uint32_t f, int c) { return values[2 * f + c]; });
    const std::string path = OpenNew("v8.wav", bytes);
    control->ChangeVolume(1, 2, 2.0f);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(Samples(6), (Values{200, 20, 255, 0, 200, 20})) << "frame 1 only";
    control->ChangeVolume(2, 3, 0.0f);
    EXPECT_EQ(Samples(6), (Values{200, 20, 255, 0, 128, 128})) << "To may be the length";
    control->ChangeVolume(3, 3, 0.0f);
    EXPECT_EQ(control->GetErrorCode(), 0) << "an empty run at the end";
    control->Save();
    EXPECT_EQ(ReadSound(path).samples, (Values{72 * 256, -108 * 256, 127 * 256, -128 * 256, 0, 0}));
}

TEST_F(EditingTest, BadVolumeRangesGive282AndChangeNothing) {
    const std::string bytes = wavtest::WavBytes(1, 16, 8000, 100, &Pattern16);
    OpenNew("range.wav", bytes);
    const Values before = Samples(100);
    const std::pair<std::int32_t, std::int32_t> ranges[] = {
        {5, 4}, {0, 101}, {101, -1}, {-1, 10}, {0, -2}, {INT32_MIN, INT32_MAX}};
    for (const auto& [from, to] : ranges) {
        control->ChangeVolume(from, to, 0.0f);
        EXPECT_EQ(control->GetErrorCode(), 282) << from << ".." << to;
    }
    control->ChangeVolume(0, -1, NAN);
    EXPECT_EQ(control->GetErrorCode(), 282) << "a factor that is not a number";
    EXPECT_EQ(Samples(100), before);
}

TEST_F(EditingTest, SamplingRateIsCheckedAndWrittenToBothHeaderFields) {
    const std::string path = OpenNew("rate.wav", wavtest::WavBytes(1, 8, 11025, 100, &Pattern8));
    control->Seek(40);
    control->SetSamplingRate(0);
    EXPECT_EQ(control->GetErrorCode(), 521);
    control->SetSamplingRate(44101);
    EXPECT_EQ(control->GetErrorCode(), 521);
    EXPECT_EQ(control->GetSamplingRate(), 11025);
    control->SetSamplingRate(8000);
    EXPECT_EQ(control->GetErrorCode(), 0);
    const std::string copy = FileBytes(WorkCopy());
    EXPECT_EQ(Le32At(copy, 24), 8000u);
    EXPECT_EQ(Le32At(copy, 28), 8000u);
    EXPECT_EQ(control->GetSamplingRate(), 8000);
    EXPECT_EQ(control->GetPosition(), 40);
    control->Save();
    const SoundFile saved = ReadSound(path);
    EXPECT_EQ(saved.rate, 8000);
    EXPECT_EQ(saved.frames, 100);

    OpenNew("stereo.wav", wavtest::WavBytes(2, 16, 22050, 10, &Pattern16));
    control->SetSamplingRate(44100);
    EXPECT_EQ(Le32At(FileBytes(WorkCopy()), 28), 44100u * 4);
}

TEST_F(EditingTest, CopiedFramesPastedOverOneFrameGrowTheFile) {
    const std::string bytes = wavtest::WavBytes(2, 16, 8000, 1000, &Pattern16);
    const std::string path = OpenNew("paste.wav", bytes);
    control->Seek(700);
    control->Copy(0, 99);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(g_lClipBytes, 400);
    EXPECT_EQ(control->GetPosition(), 700);
    control->Paste(500, 500);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(control->GetLength(), 1099);
    EXPECT_EQ(control->GetPosition(), 700);
    const std::string copy = FileBytes(WorkCopy());
    EXPECT_EQ(copy.size(), 44u + 1099 * 4);
    EXPECT_EQ(Le32At(copy, 4), copy.size() - 8);
    EXPECT_EQ(Le32At(copy, 40), 1099u * 4);

    control->Save();
    const SoundFile saved = ReadSound(path);
    ASSERT_EQ(saved.frames, 1099);
    for (const std::uint32_t frame : {0u, 499u, 500u, 599u, 600u, 1098u}) {
        const std::uint32_t source = frame < 500 ? frame : frame < 600 ? frame - 500 : frame - 99;
        EXPECT_EQ(saved.samples[2 * frame], Pattern16(source, 0)) << frame;
        EXPECT_EQ(saved.samples[2 * frame + 1], Pattern16(source, 1)) << frame;
    }
}

TEST_F(EditingTest, PasteBeforeAnyCopyIsRefusedInEveryInstance) {
    OpenNew("a.wav", wavtest::WavBytes(1, 16, 8000, 50, &Pattern16));
    OpenNew("b.wav", wavtest::WavBytes(1, 16, 8000, 50, &Pattern16), other.Get());
    other->Paste(0, 0);
    EXPECT_EQ(other->GetErrorCode(), 523);
    EXPECT_EQ(TempFiles("wav"), 0);
    control->Copy(10, 19);
    other->Paste(0, 0);
    EXPECT_EQ(other->GetErrorCode(), 0);
    EXPECT_EQ(other->GetLength(), 59);
    EXPECT_EQ(Samples(59, other.Get())[0], Pattern16(10, 0));
}

TEST_F(EditingTest, CopyRangesClampToTheSound) {
    OpenNew("c.wav", wavtest::WavBytes(2, 16, 8000, 1000, &Pattern16));
    control->Copy(990, -1);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(g_lClipBytes, 40) << "To -1 reaches the last frame";
    control->Copy(5, 2);
    EXPECT_EQ(control->GetErrorCode(), 282);
    EXPECT_EQ(g_lClipBytes, 40) << "the clipboard is kept";
    control->Copy(5000, 6000);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(g_lClipBytes, 4) << "both bounds past the end: the last frame";
    control->Paste(-1, -1);
    EXPECT_EQ(control->GetLength(), 1) << "the whole sound replaced by its last frame";
}

TEST_F(EditingTest, BytesOfAnotherFormatArePastedAsTheyAreInWholeFrames) {
    OpenNew("eight.wav",
            wavtest::WavBytes(1, 8, 8000, 101, [](std::uint32_t f, int) { return int(f); }));
    control->Copy(0, -1);
    ASSERT_EQ(g_lClipBytes, 101);
    OpenNew("sixteen.wav", wavtest::WavBytes(1, 16, 8000, 1000, &Pattern16), other.Get());
    other->Paste(10, 10);
    EXPECT_EQ(other->GetErrorCode(), 0);
    ASSERT_EQ(other->GetLength(), 1049) << "50 values; the odd byte is left out";
    const Values values = Samples(1049, other.Get());
    EXPECT_EQ(values[9], Pattern16(9, 0));
    EXPECT_EQ(values[10], 0x0100);
    EXPECT_EQ(values[59], 99 << 8 | 98);
    EXPECT_EQ(values[60], Pattern16(11, 0)) << "the frames after stay aligned";
}

TEST_F(EditingTest, FramesOfThreeChannelsAreWholeFrames) {
    OpenNew("three.wav", wavtest::WavBytes(3, 16, 8000, 100, &Pattern16));
    control->Copy(0, 9);
    EXPECT_EQ(g_lClipBytes, 60);
    control->Paste(90, 99);
    EXPECT_EQ(control->GetLength(), 100);
    const Values values = Samples(300);
    EXPECT_EQ(values[3 * 89 + 2], Pattern16(89, 2));
    EXPECT_EQ(values[3 * 90], Pattern16(0, 0));
    EXPECT_EQ(values[3 * 99 + 2], Pattern16(9, 2));
}

TEST_F(EditingTest, APasteThatShortensTheSoundKeepsThePositionInside) {
    OpenNew("short.wav", wavtest::WavBytes(1, 16, 8000, 1000, &Pattern16));
    control->Copy(0, 0);
    control->Seek(900);
    control->Paste(100, -1);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(control->GetLength(), 101);
    EXPECT_EQ(control->GetPosition(), 101);
}

TEST_F(EditingTest, OneWorkingCopyLivesAsLongAsTheControlAndTheClipboardAsTheLibrary) {
    OpenNew("life.wav", wavtest::WavBytes(1, 16, 8000, 100, &Pattern16));
    control->ChangeVolume(0, -1, 0.5f);
    control->Copy(0, 9);
    control->SetSamplingRate(8000);
    EXPECT_EQ(TempFiles("wav"), 1);
    EXPECT_EQ(TempFiles("clp"), 1);
    control.Reset();
    EXPECT_EQ(TempFiles("wav"), 0);
    EXPECT_EQ(TempFiles("clp"), 1) << "the clipboard outlives the control";
    ModuleEnd();
    EXPECT_EQ(TempFiles("clp"), 0);
}

// An edit after an edit takes the working copy the device was opened on, while the device still
// holds it unchanged, instead of saving the same bytes into a new one; what the host did to the
// device meanwhile, or anyone to that file, is kept all the same.
TEST_F(EditingTest, LaterEditsTakeTheUnchangedWorkingCopyAndKeepWhatChangedIt) {
    OpenNew("take.wav", wavtest::WavBytes(1, 16, 8000, 100, &Pattern16));
    const auto inodeOf = [](const std::filesystem::path& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
    };
    control->ChangeVolume(0, -1, 1.0f);
    const std::filesystem::path first = WorkCopy();
    const auto firstInode = inodeOf(first);
    control->Copy(0, 9);
    ASSERT_EQ(control->GetErrorCode(), 0);
    EXPECT_NE(WorkCopy(), first) << "a new name, as ever";
    EXPECT_EQ(inodeOf(WorkCopy()), firstInode) << "the same file, not written again";
    EXPECT_EQ(TempFiles("wav"), 1);

    const std::string alias = std::to_string(g_lAliasCounter);
    ASSERT_EQ(
        mci::SendString(("delete " + alias + " from 0 to 10 wait").c_str(), nullptr, 0, nullptr),
        mci::Ok);
    const Values afterDelete = Samples(90);
    ASSERT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(afterDelete[0], Pattern16(10, 0)) << "the host's delete is in the new copy";

    const std::filesystem::path work = WorkCopy();
    std::string bytes = FileBytes(work);
    std::fill(bytes.begin() + 44, bytes.end(), '\x55');
    wavtest::WriteFile(work, bytes);
    // Dated apart, so that the change shows even within one tick of the file system's clock.
    std::filesystem::last_write_time(work, std::filesystem::file_time_type{});
    EXPECT_EQ(Samples(90), afterDelete) << "the device's samples, not the file's";
    EXPECT_EQ(control->GetErrorCode(), 0);
}

// sox, a program of its own, reads the saved file: its length and loudest sample.
TEST_F(EditingTest, SoxReadsTheSavedEditAsAValidWaveFile) {
    if (std::system("sox --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "sox is not installed";
    }
    const std::string path =
        OpenNew("sox.wav", wavtest::WavBytes(2, 16, 8000, 2000, [](std::uint32_t f, int) {
                    return f % 2 == 0 ? 16384 : -16384;
                }));
    control->ChangeVolume(0, -1, 0.5f);
    control->Copy(0, 499);
    control->Paste(2000, 2000);
    control->Save();
    ASSERT_EQ(control->GetErrorCode(), 0);
    const auto run = [](const std::string& command) {
        std::string out;
        if (std::FILE* pipe = popen(command.c_str(), "r")) {
            char chunk[256];
            while (std::fgets(chunk, sizeof chunk, pipe)) {
                out += chunk;
            }
            pclose(pipe);
        }
        return out;
    };
    EXPECT_EQ(run("sox --i -s '" + path + "'"), "2499\n");
    EXPECT_EQ(run("sox --i -c '" + path + "'"), "2\n");
    EXPECT_NE(run("sox '" + path + "' -n stat 2>&1").find("Maximum amplitude:     0.250000"),
              std::string::npos);
}

}  // namespace
}  // namespace sonivel
