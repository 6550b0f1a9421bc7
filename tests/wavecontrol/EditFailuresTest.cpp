// The editing operations' refusals and recovery paths, against the recording stand-in of the
// media interface: the codes they record, the commands they send, and working copies that are
// missing, short or lying about their size.
#include <gtest/gtest.h>

#include <vector>

#include "platform/automation/Object.h"
#include "tests/wavecontrol/FakeMci.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/SonivelServer.h"

namespace sonivel {
namespace {

using Commands = std::vector<std::string>;
using Values = std::vector<std::int16_t>;

class EditFailuresTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(tmp);
        setenv("TMPDIR", tmp.c_str(), 1);
        fakemci::Reset();
        wav = (dir / "tone.wav").string();
        wavtest::WriteFile(wav, wavtest::WavBytes(2, 16, 8000, 1000, [](auto, int) { return 0; }));
        control->Open(wav);
        alias = std::to_string(g_lAliasCounter);
        fakemci::Reset();
        Status("length", "1000");
        Status("channels", "2");
        Status("bitspersample", "16");
        Status("position", "250");
        ModuleEnd();
        g_szClipFile[0] = '\0';
        g_lClipBytes = 0;
    }
    void TearDown() override {
        control.Reset();
        fakemci::Reset();
        ModuleEnd();
        g_szClipFile[0] = '\0';
        unsetenv("TMPDIR");
    }

    void Status(const std::string& item, const std::string& reply) {
        fakemci::Respond("status " + alias + " " + item, 0, reply);
    }
    // The device's "save" writes these bytes to the file it is given.
    void SaveWrites(const std::string& bytes) {
        fakemci::OnSend("save ", [bytes, this](const std::string& command) {
            const std::string prefix = "save " + alias + " ";
            const std::string file =
                command.substr(prefix.size(), command.size() - prefix.size() - 5);
            wavtest::WriteFile(file, bytes);
        });
    }
    // A clipboard file of `bytes` bytes outside the temporary folder.
    void SetClipboard(std::size_t bytes) {
        const std::string clip = (dir / "clip").string();
        wavtest::WriteFile(clip, std::string(bytes, 'c'));
        std::snprintf(g_szClipFile, sizeof g_szClipFile, "%s", clip.c_str());
        g_lClipBytes = static_cast<std::int32_t>(bytes);
    }
    // Sets the code through a failing Stop.
    void SetErrorCode(std::int32_t code) {
        fakemci::Respond("stop", static_cast<mci::ErrorCode>(code));
        control->Stop();
    }
    // The commands sent after the first one starting with `prefix`.
    Commands After(const std::string& prefix) const {
        const auto& sent = fakemci::Sent();
        for (std::size_t i = 0; i < sent.size(); ++i) {
            if (sent[i].starts_with(prefix)) {
                return Commands(sent.begin() + static_cast<std::ptrdiff_t>(i) + 1, sent.end());
            }
        }
        return {};
    }
    int TempFiles() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(tmp),
                                              std::filesystem::directory_iterator()));
    }
    std::string WorkCopy() const {
        return std::filesystem::directory_iterator(tmp)->path().string();
    }
    // The commands that reopen the working copy at position 250.
    Commands Reopened() const {
        return {"open " + WorkCopy() + " alias " + alias + " type waveaudio wait",
                "set " + alias + " time format samples wait", "seek " + alias + " to 250 wait"};
    }
    // The bytes of a canonical 16-bit stereo file of `frames` frames.
    static std::string Stereo(std::uint32_t frames) {
        return wavtest::WavBytes(2, 16, 8000, frames, [](std::uint32_t f, int) { return int(f); });
    }

    wavtest::TempDir dir;
    const std::filesystem::path tmp = dir / "tmp";
    std::string wav;
    std::string alias;
    automation::Ref<CSonivelCtrl> control = automation::MakeObject<CSonivelCtrl>();
};

TEST_F(EditFailuresTest, EveryEditNeedsAnOpenFile) {
    control->Close();
    fakemci::Reset();
    Values values(2000);
    const std::function<void()> edits[] = {
        [&] { control->WavFileToArray(values.data(), 2000); },
        [&] { control->ArrayToWavFile(values.data(), 2000); },
        [&] { control->SetSamplingRate(8000); },
        [&] { control->ChangeVolume(0, -1, 0.5f); },
        [&] { control->Copy(0, 1); },
        [&] { control->Paste(0, 1); },
    };
    for (const auto& edit : edits) {
        SetErrorCode(0);
        edit();
        EXPECT_EQ(control->GetErrorCode(), 515);
    }
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(EditFailuresTest, OnlyEightAndSixteenBitSamplesAreEdited) {
    Status("bitspersample", "24");
    SetClipboard(40);
    Values values(2000, 5);
    control->WavFileToArray(values.data(), 2000);
    EXPECT_EQ(control->GetErrorCode(), 516);
    control->ArrayToWavFile(values.data(), 2000);
    EXPECT_EQ(control->GetErrorCode(), 516);
    control->ChangeVolume(0, -1, 2.0f);
    EXPECT_EQ(control->GetErrorCode(), 516);
    control->Copy(0, 1);
    EXPECT_EQ(control->GetErrorCode(), 516);
    control->Paste(0, 1);
    EXPECT_EQ(control->GetErrorCode(), 516);
    EXPECT_EQ(values, Values(2000, 5));
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(EditFailuresTest, AnEmptySoundIsRefusedButGivesVolumeNothingToReport) {
    Status("length", "0");
    Values values(2, 5);
    control->WavFileToArray(values.data(), 0);
    EXPECT_EQ(control->GetErrorCode(), 524);
    control->ArrayToWavFile(values.data(), 0);
    EXPECT_EQ(control->GetErrorCode(), 524);
    control->Copy(0, 1);
    EXPECT_EQ(control->GetErrorCode(), 524);
    SetErrorCode(263);
    control->ChangeVolume(0, -1, 2.0f);
    EXPECT_EQ(control->GetErrorCode(), 263);
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(EditFailuresTest, AWrongArrayLengthOrNoArrayLeavesTheArrayAlone) {
    Values values(2001, 5);
    control->WavFileToArray(values.data(), 2001);
    EXPECT_EQ(control->GetErrorCode(), 520);
    control->WavFileToArray(nullptr, 2000);
    EXPECT_EQ(control->GetErrorCode(), 520);
    control->ArrayToWavFile(values.data(), -2000);
    EXPECT_EQ(control->GetErrorCode(), 520);
    EXPECT_EQ(values, Values(2001, 5));
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(EditFailuresTest, AFailedSaveLeavesTheDeviceOpenAndNoFileBehind) {
    fakemci::Respond("save", mci::ErrFileNotSaved);
    control->ChangeVolume(0, -1, 2.0f);
    EXPECT_EQ(control->GetErrorCode(), 517);
    EXPECT_EQ(TempFiles(), 0);
    EXPECT_TRUE(After("save").empty()) << "no close";
    control->SetSamplingRate(8000);
    EXPECT_EQ(control->GetErrorCode(), 517);
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(EditFailuresTest, AWorkingCopyThatCannotBeLoadedIsReopenedAt518) {
    Values values(2000, 5);
    control->WavFileToArray(values.data(), 2000);  // the stand-in's save writes nothing
    EXPECT_EQ(control->GetErrorCode(), 518);
    EXPECT_EQ(After("close " + alias), Reopened());
    EXPECT_EQ(values, Values(2000, 5));
    EXPECT_EQ(TempFiles(), 1) << "the copy stays the working copy";
}

// A copy whose samples end before the frames the device reports: every operation stops with
// 518 instead of reading or writing past the bytes it holds.
TEST_F(EditFailuresTest, AWorkingCopyShorterThanItsFramesIsNeverOverrun) {
    SetClipboard(40);
    Values values(2000, 5);
    const std::function<void()> edits[] = {
        [&] { control->WavFileToArray(values.data(), 2000); },
        [&] { control->ArrayToWavFile(values.data(), 2000); },
        [&] { control->ChangeVolume(0, -1, 2.0f); },
        [&] { control->Copy(900, 999); },
        [&] { control->Paste(900, 999); },
    };
    for (const auto& edit : edits) {
        fakemci::Reset();
        SaveWrites(Stereo(10));
        Status("length", "1000");
        Status("channels", "2");
        Status("bitspersample", "16");
        Status("position", "250");
        edit();
        EXPECT_EQ(control->GetErrorCode(), 518);
        EXPECT_EQ(After("close " + alias), Reopened());
    }
    EXPECT_EQ(values, Values(2000, 5));
    EXPECT_EQ(g_lClipBytes, 40);
    EXPECT_EQ(TempFiles(), 1) << "the working copy";
}

TEST_F(EditFailuresTest, AWorkingCopyWithoutADataChunkIsRefused) {
    std::string bytes = Stereo(1000);
    bytes.replace(36, 4, "junk");
    SaveWrites(bytes);
    control->Copy(0, 9);
    EXPECT_EQ(control->GetErrorCode(), 518);
    EXPECT_EQ(g_szClipFile[0], '\0') << "no clipboard yet";
}

TEST_F(EditFailuresTest, AFailedReopenClosesTheControlAndKeepsTheCopy) {
    SaveWrites(Stereo(1000));
    fakemci::Respond("open", mci::ErrFileNotFound);
    control->ChangeVolume(0, -1, 0.5f);
    EXPECT_EQ(control->GetErrorCode(), 519);
    EXPECT_EQ(fakemci::Sent().back(), "close " + alias + " wait");
    EXPECT_EQ(control->GetWavFilename(), "");
    EXPECT_EQ(TempFiles(), 1);
    control->Copy(0, 1);
    EXPECT_EQ(control->GetErrorCode(), 515);
}

TEST_F(EditFailuresTest, CopyAndPasteSucceedWhateverTheSeekSays) {
    SaveWrites(Stereo(1000));
    fakemci::Respond("seek", mci::ErrOutOfRange);
    SetClipboard(4);
    control->Copy(0, 9);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(g_lClipBytes, 40);
    control->Paste(0, 9);
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(fakemci::Sent().back(), "seek " + alias + " to 250 wait");
    control->ChangeVolume(0, -1, 0.5f);
    EXPECT_EQ(control->GetErrorCode(), 282) << "the other edits report the seek";
}

TEST_F(EditFailuresTest, AnUnwritableOrUnreadableClipboardGives522) {
    SaveWrites(Stereo(1000));
    std::snprintf(g_szClipFile, sizeof g_szClipFile, "%s", (dir / "gone" / "clp").c_str());
    g_lClipBytes = 40;
    control->Copy(0, 9);
    EXPECT_EQ(control->GetErrorCode(), 522);
    EXPECT_EQ(After("close " + alias), Reopened());
    EXPECT_EQ(g_lClipBytes, 40) << "unchanged";

    fakemci::Reset();
    SaveWrites(Stereo(1000));
    Status("length", "1000");
    Status("channels", "2");
    Status("bitspersample", "16");
    Status("position", "250");
    control->Paste(0, 9);
    EXPECT_EQ(control->GetErrorCode(), 522);
    EXPECT_EQ(After("close " + alias), Reopened());

    const std::string shortClip = (dir / "clp-short").string();
    wavtest::WriteFile(shortClip, std::string(39, 'c'));
    std::snprintf(g_szClipFile, sizeof g_szClipFile, "%s", shortClip.c_str());
    control->Paste(0, 9);
    EXPECT_EQ(control->GetErrorCode(), 522) << "fewer bytes than the last Copy put there";
}

TEST_F(EditFailuresTest, AnEmptySoundGetsOneRecordedFrameFirst) {
    Status("length", "0");
    SetClipboard(4);
    fakemci::Respond("record", mci::ErrWaveInputsUnsuitable);
    control->Paste(0, 0);
    EXPECT_EQ(control->GetErrorCode(), 328);
    EXPECT_EQ(fakemci::Sent().back(), "record " + alias + " from 0 to 1 wait");
    control->SetSamplingRate(8000);
    EXPECT_EQ(control->GetErrorCode(), 328);
    EXPECT_EQ(TempFiles(), 0);
}

TEST_F(EditFailuresTest, ARateTheCopyCannotTakeGives517AndReopens) {
    SaveWrites(Stereo(1000));
    fakemci::OnSend("close " + alias, [this](const std::string&) {
        if (TempFiles() == 1) {
            std::filesystem::remove(WorkCopy());
        }
    });
    control->SetSamplingRate(8000);
    EXPECT_EQ(control->GetErrorCode(), 517);
    EXPECT_EQ(TempFiles(), 0);
}

}  // namespace
}  // namespace sonivel
