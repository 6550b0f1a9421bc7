// The media commands each method sends, and what the control makes of their results.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "platform/automation/Object.h"
#include "tests/wavecontrol/FakeMci.h"
#include "tests/wavecontrol/WavFiles.h"
#include "wavecontrol/SonivelCtrl.h"

namespace sonivel {
namespace {

using Commands = std::vector<std::string>;

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fakemci::Reset();
        wav = (dir / "tone.wav").string();
        wavtest::WriteFile(wav, wavtest::WavBytes(1, 16, 8000, 100, [](auto, int) { return 0; }));
    }
    void TearDown() override { fakemci::Reset(); }

    // Opens the file and forgets the commands that took; returns the alias.
    std::string OpenFile(const std::string& path) {
        control->Open(path);
        fakemci::Reset();
        return std::to_string(g_lAliasCounter);
    }
    std::string NextAlias() const { return std::to_string(g_lAliasCounter + 1); }

    wavtest::TempDir dir;
    std::string wav;
    automation::Ref<CSonivelCtrl> control = automation::MakeObject<CSonivelCtrl>();
};

TEST_F(CommandsTest, OpenClosesOpensSetsSamplesAndKeepsTheNameAsGiven) {
    const std::string alias = NextAlias();
    control->Open(wav);
    EXPECT_EQ(fakemci::Sent(),
              (Commands{"close  wait", "open " + wav + " alias " + alias + " type waveaudio wait",
                        "set " + alias + " time format samples wait"}));
    EXPECT_EQ(control->GetErrorCode(), 0);
    EXPECT_EQ(control->GetWavFilename(), wav);
}

TEST_F(CommandsTest, FailedOpenStaysClosedWithTheOpensCode) {
    fakemci::Respond("open", mci::ErrFileNotFound);
    const std::string alias = NextAlias();
    control->Open(wav);
    EXPECT_EQ(fakemci::Sent().size(), 2u) << "no set after a failed open";
    EXPECT_EQ(control->GetErrorCode(), 275);
    EXPECT_EQ(control->GetWavFilename(), "");
    fakemci::Reset();
    control->WavFileToArray(nullptr, 0);
    EXPECT_EQ(control->GetErrorCode(), 515) << "still closed";
}

TEST_F(CommandsTest, AMissingFileGivesAnEmptyNameInTheOpenCommand) {
    const std::string alias = NextAlias();
    control->Open((dir / "missing.wav").string());
    EXPECT_EQ(fakemci::Sent()[1], "open  alias " + alias + " type waveaudio wait");
}

TEST_F(CommandsTest, APathWithSpacesIsSentAsItIs) {
    const std::string spaced = (dir / "my tone.wav").string();
    std::filesystem::copy_file(wav, spaced);
    const std::string alias = NextAlias();
    control->Open(spaced);
    EXPECT_EQ(fakemci::Sent()[1], "open " + spaced + " alias " + alias + " type waveaudio wait");
    EXPECT_EQ(control->GetErrorCode(), 0);
}

// A path whose command would not fit the 300-character buffer is not sent, and one that does
// not fit the 300-character short-path buffer becomes an empty name.
TEST_F(CommandsTest, LongPathsNeverOverflowTheBuffers) {
    std::filesystem::path nested = dir.Path();
    while (nested.string().size() < 240) {
        nested /= std::string(40, 'd');
    }
    std::filesystem::create_directories(nested);
    const auto fill = [&](std::size_t length) {
        const std::string name(length - nested.string().size() - 1, 'f');
        const auto path = nested / name;
        std::filesystem::copy_file(wav, path);
        return path.string();
    };
    const std::string tooLongForCommand = fill(290);
    const std::string alias = NextAlias();
    control->Open(tooLongForCommand);
    EXPECT_EQ(fakemci::Sent(), Commands{"close  wait"});
    EXPECT_EQ(control->GetErrorCode(), static_cast<std::int32_t>(mci::ErrParamOverflow));

    fakemci::Reset();
    const std::string tooLongForShortPath = fill(300);
    const std::string nextAlias = NextAlias();
    control->Open(tooLongForShortPath);
    EXPECT_EQ(fakemci::Sent()[1], "open  alias " + nextAlias + " type waveaudio wait");
}

TEST_F(CommandsTest, AliasesCountAcrossInstances) {
    const std::int32_t before = g_lAliasCounter;
    auto second = automation::MakeObject<CSonivelCtrl>();
    control->Open(wav);
    second->Open(wav);
    control->Open(wav);
    const auto& sent = fakemci::Sent();
    const auto opened = [&](std::int32_t n) {
        return std::count(
            sent.begin(), sent.end(),
            "open " + wav + " alias " + std::to_string(before + n) + " type waveaudio wait");
    };
    EXPECT_EQ(opened(1), 1);
    EXPECT_EQ(opened(2), 1);
    EXPECT_EQ(opened(3), 1);
    EXPECT_EQ(sent[sent.size() - 3], "close " + std::to_string(before + 1) + " wait");
}

TEST_F(CommandsTest, PlayAndRecordTexts) {
    const std::string a = OpenFile(wav);
    control->Play(-1, -1, false);
    control->Play(0, 500, true);
    control->Play(7, -1, true);
    control->Record(0, -1, true);
    control->Record(0, 10, true);
    control->Record(-1, 10, false);
    EXPECT_EQ(fakemci::Sent(), (Commands{
                                   "play " + a + "   notify ",
                                   "play " + a + " from 0 to 500 notify wait",
                                   "play " + a + " from 7  notify wait",
                                   "record " + a + " from 0  notify ",
                                   "record " + a + " from 0 to 10 notify wait",
                                   "record " + a + "  to 10 notify ",
                               }));
    EXPECT_NE(fakemci::LastCallback(), nullptr) << "every command names the control's window";
}

TEST_F(CommandsTest, StopSeekDeleteTexts) {
    const std::string a = OpenFile(wav);
    fakemci::Respond("status " + a + " length", 0, "1234");
    control->Stop();
    control->Seek(5);
    control->Seek(-1);
    control->Delete(3, 7);
    control->Delete(-1, -1);
    EXPECT_EQ(fakemci::Sent(), (Commands{
                                   "stop " + a + " wait",
                                   "seek " + a + " to 5 wait",
                                   "status " + a + " length wait",
                                   "seek " + a + " to 1234 wait",
                                   "delete " + a + " from 3 to 7 wait",
                                   "delete " + a + " from -1  wait",
                               }));
}

TEST_F(CommandsTest, PausePausesOnlyWhatRuns) {
    const std::string a = OpenFile(wav);
    for (const auto& [mode, verb] :
         std::vector<std::pair<std::string, std::string>>{{"playing", "pause"},
                                                          {"recording", "pause"},
                                                          {"paused", "resume"},
                                                          {"stopped", "resume"},
                                                          {"", "resume"},
                                                          {"Playing", "resume"}}) {
        fakemci::Reset();
        fakemci::Respond("status", 0, mode);
        control->Pause();
        EXPECT_EQ(fakemci::Sent(),
                  (Commands{"status " + a + " mode wait", verb + " " + a + " wait"}))
            << mode;
    }
    fakemci::Respond("resume", mci::ErrOutOfRange);
    control->Pause();
    EXPECT_EQ(control->GetErrorCode(), 282) << "the second command's result";
}

TEST_F(CommandsTest, GetModeMapsRepliesExactly) {
    OpenFile(wav);
    const std::pair<const char*, std::int32_t> table[] = {
        {"not ready", 524}, {"stopped", 525}, {"playing", 526}, {"recording", 527},
        {"seeking", 528},   {"paused", 529},  {"open", 530},    {"Stopped", 0},
        {"playing ", 0},    {"", 0},          {"busy", 0}};
    for (const auto& [reply, mode] : table) {
        fakemci::Respond("status", 0, reply);
        EXPECT_EQ(control->GetMode(), mode) << reply;
    }
}

TEST_F(CommandsTest, StatusRepliesReadAsNumbers) {
    const std::string a = OpenFile(wav);
    const auto reply = [&](const char* item, const char* text) {
        fakemci::Respond("status " + a + " " + item, 0, text);
    };
    reply("length", "  -12abc");
    reply("position", "99999999999");
    reply("bitspersample", "70000");
    reply("channels", "x2");
    reply("samplespersec", "+44100");
    EXPECT_EQ(control->GetLength(), -12);
    EXPECT_EQ(control->GetPosition(), INT32_MAX);
    EXPECT_EQ(control->GetNumBits(), static_cast<std::int16_t>(70000));
    EXPECT_EQ(control->GetNumChannels(), 0);
    EXPECT_EQ(control->GetSamplingRate(), 44100);
}

TEST_F(CommandsTest, StatusQueriesNeverRecordAnError) {
    OpenFile(wav);
    fakemci::Respond("stop", mci::ErrHardware);
    control->Stop();
    fakemci::Respond("status", mci::ErrInvalidDeviceName, "77");
    EXPECT_EQ(control->GetLength(), 77);
    control->GetMode();
    control->GetSamplingRate();
    EXPECT_EQ(control->GetErrorCode(), 262);
}

TEST_F(CommandsTest, SaveGivesAnEmptyDeviceOneSampleFirst) {
    const std::string a = OpenFile(wav);
    fakemci::Respond("status " + a + " length", 0, "0");
    control->Save();
    EXPECT_EQ(fakemci::Sent(),
              (Commands{"status " + a + " length wait", "record " + a + " from 0 to 1 wait",
                        "save " + a + " " + wav + " wait"}));
    EXPECT_EQ(control->GetErrorCode(), 0);

    fakemci::Reset();
    fakemci::Respond("status", 0, "0");
    fakemci::Respond("record", mci::ErrWaveInputsInUse);
    control->Save();
    EXPECT_EQ(fakemci::Sent().back(), "record " + a + " from 0 to 1 wait") << "no save after it";
    EXPECT_EQ(control->GetErrorCode(), 322);

    fakemci::Reset();
    fakemci::Respond("status", 0, "100");
    control->Save();
    EXPECT_EQ(fakemci::Sent(),
              (Commands{"status " + a + " length wait", "save " + a + " " + wav + " wait"}));
}

TEST_F(CommandsTest, SaveAsCreatesTheFileAndTakesItsName) {
    const std::string a = OpenFile(wav);
    fakemci::Respond("status", 0, "100");
    const std::string target = (dir / "copy of tone.wav").string();
    control->SaveAs(target);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(fakemci::Sent().back(), "save " + a + " " + target + " wait");
    EXPECT_EQ(control->GetWavFilename(), target);

    fakemci::Respond("save", mci::ErrFileWrite);
    control->SaveAs(wav);
    EXPECT_EQ(control->GetErrorCode(), 349);
    EXPECT_EQ(control->GetWavFilename(), target) << "a failed save keeps the old name";
    EXPECT_GT(std::filesystem::file_size(wav), 44u) << "an existing file is left alone";
}

TEST_F(CommandsTest, SaveAsIntoAMissingFolderSendsAnEmptyName) {
    const std::string a = OpenFile(wav);
    fakemci::Respond("status", 0, "100");
    fakemci::Respond("save " + a + "  wait", mci::ErrFilenameRequired);
    control->SaveAs((dir / "no such folder" / "x.wav").string());
    EXPECT_EQ(control->GetErrorCode(), 304);
    EXPECT_EQ(control->GetWavFilename(), wav);
}

TEST_F(CommandsTest, CloseKeepsTheErrorCode) {
    const std::string a = OpenFile(wav);
    fakemci::Respond("play", mci::ErrWaveOutputsInUse);
    control->Play(-1, -1, true);
    control->Close();
    EXPECT_EQ(fakemci::Sent().back(), "close " + a + " wait");
    EXPECT_EQ(control->GetErrorCode(), 320);
    EXPECT_EQ(control->GetWavFilename(), "");
}

TEST_F(CommandsTest, MethodsWithNothingOpenUseTheEmptyAliasAndRecordTheFailure) {
    fakemci::Respond("play ", mci::ErrMissingDeviceName);
    control->Play(-1, -1, false);
    EXPECT_EQ(fakemci::Sent().back(), "play    notify ");
    EXPECT_EQ(control->GetErrorCode(), 292);
    EXPECT_EQ(control->GetLength(), 0);
    control->SetSamplingRate(8000);
    EXPECT_EQ(control->GetErrorCode(), 515);
    control->Copy(0, 1);
    EXPECT_EQ(control->GetErrorCode(), 515);
    control->Paste(0, 1);
    EXPECT_EQ(control->GetErrorCode(), 515);
    control->ChangeVolume(0, 1, 2.0f);
    EXPECT_EQ(control->GetErrorCode(), 515);
}

TEST_F(CommandsTest, DestructionClosesTheDevice) {
    const std::string a = OpenFile(wav);
    control.Reset();
    EXPECT_EQ(fakemci::Sent(), Commands{"close " + a + " wait"});
}

}  // namespace
}  // namespace sonivel
