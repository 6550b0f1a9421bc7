// PlaySound through the built SONIVEL.OCX on SDL's disk audio driver: the control found beside
// the program or through its registration, the samples that reach the output, silence for a
// missing file or busy outputs, and the report when there is no control at all.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "game/shell/GameScreen.h"
#include "game/sound/Sound.h"
#include "platform/automation/ObjectLoader.h"
#include "platform/mci/OutputVolume.h"
#include "tests/game/shell/Scenario.h"
#include "tests/wavecontrol/WavFiles.h"

namespace game::test {
namespace {

using Clock = std::chrono::steady_clock;

class SoundControl : public ::testing::Test {
protected:
    SoundControl() {
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIODELAY", "0", 1);
        ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
        ::unsetenv("VENTRA_MCI_BUSY_OUTPUTS");
    }
    ~SoundControl() override { ::unsetenv("VENTRA_MCI_BUSY_OUTPUTS"); }

    // The control library beside the program, as the build puts it.
    void InstallLibrary() const {
        std::filesystem::create_symlink(SONIVEL_OCX, scenario.Folder() / "SONIVEL.OCX");
    }
    // Writes a 16-bit mono sound of `frames` frames into the program's folder; returns its
    // samples' bytes, a pattern that silence padding cannot imitate and that differs by `seed`.
    std::string WriteSound(const std::string& name, std::uint32_t frames, int seed) const {
        const std::string bytes =
            wavtest::WavBytes(1, 16, 8000, frames, [seed](std::uint32_t frame, int) {
                return static_cast<int>((frame * 37 + static_cast<std::uint32_t>(seed) * 1013) %
                                        20000) -
                       10000;
            });
        wavtest::WriteFile(scenario.Folder() / name, bytes);
        return bytes.substr(44);
    }
    // What the audio driver has been given since the last device opened.
    std::string Played() const {
        std::ifstream in(output, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Runs `body` after the main window's Form_Load has created the control.
    void Run(const std::string& script, const std::function<void(Game&)>& body) {
        ASSERT_EQ(scenario.Run(script,
                               [&](Game& game) {
                                   Form_Load(game);
                                   body(game);
                                   game.backend.Report("after", {});
                               }),
                  0);
        EXPECT_EQ(scenario.Lines().back(), R"({"t":0,"ev":"after"})") << "the game went on";
    }

    Scenario scenario;
    const std::filesystem::path output = scenario.Folder() / "out.raw";
};

TEST_F(SoundControl, PlaysTheFileWithTheLibraryBesideTheProgram) {
    InstallLibrary();
    const std::string samples = WriteSound("hit.wav", 2000, 1);
    Run("start\n", [](Game& game) {
        ASSERT_NE(game.sonivel.Dispatch(), nullptr);
        PlaySound(game, "\\hit.wav");
    });
    EXPECT_EQ(scenario.Events("sound"),
              std::vector<std::string>{R"({"t":0,"ev":"sound","file":"\\hit.wav"})"});
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_NE(Played().find(samples), std::string::npos) << "all samples reached the output";
}

TEST_F(SoundControl, PlaysTheFileWithTheRegisteredControl) {
    ASSERT_EQ(automation::RegisterServer(SONIVEL_OCX), automation::S_OK);
    const std::string samples = WriteSound("youwin.wav", 1500, 2);
    Run("start\n", [](Game& game) {
        EXPECT_EQ(game.sonivel.CreationResult(), automation::S_OK);
        PlaySound(game, "\\youwin.wav");
    });
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_NE(Played().find(samples), std::string::npos);
}

TEST_F(SoundControl, AMissingFileIsSilent) {
    InstallLibrary();
    Run("start\n", [](Game& game) { PlaySound(game, "\\draw.wav"); });
    EXPECT_EQ(scenario.Events("sound").size(), 1u);
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_EQ(Played(), "");
}

TEST_F(SoundControl, BusyOutputsAreTriedForAboutASecondThenTheSoundIsDropped) {
    InstallLibrary();
    const std::string samples = WriteSound("shuffle.wav", 1000, 3);
    Clock::duration busyTime{};
    std::string playedWhileBusy;
    Run("start\n", [&](Game& game) {
        ::setenv("VENTRA_MCI_BUSY_OUTPUTS", "1", 1);
        const auto start = Clock::now();
        PlaySound(game, "\\shuffle.wav");
        busyTime = Clock::now() - start;
        playedWhileBusy = Played();
        ::unsetenv("VENTRA_MCI_BUSY_OUTPUTS");
        // The device was closed after giving up: the next sound plays.
        PlaySound(game, "\\shuffle.wav");
    });
    EXPECT_GE(busyTime, std::chrono::milliseconds(950));
    EXPECT_LT(busyTime, std::chrono::milliseconds(3000));
    EXPECT_EQ(playedWhileBusy.find(samples), std::string::npos);
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_NE(Played().find(samples), std::string::npos);
}

TEST_F(SoundControl, TwoSoundsInARowPlayOneAfterTheOther) {
    // In real time, so that each sound takes its length.
    ::unsetenv("SDL_DISKAUDIODELAY");
    InstallLibrary();
    const std::string hit = WriteSound("hit.wav", 1600, 4);
    const std::string win = WriteSound("youwin.wav", 1600, 5);
    std::vector<Clock::duration> took;
    std::string afterHit;
    Run("start\n", [&](Game& game) {
        auto start = Clock::now();
        PlaySound(game, "\\hit.wav");
        took.push_back(Clock::now() - start);
        afterHit = Played();
        start = Clock::now();
        PlaySound(game, "\\youwin.wav");
        took.push_back(Clock::now() - start);
    });
    ASSERT_EQ(took.size(), 2u);
    for (const auto& time : took) {
        EXPECT_GE(time, std::chrono::milliseconds(170)) << "each sound is waited for (200 ms)";
        EXPECT_LT(time, std::chrono::milliseconds(2000));
    }
    // Each sound's samples reached the output whole, so nothing was mixed into them.
    EXPECT_NE(afterHit.find(hit), std::string::npos);
    EXPECT_NE(Played().find(win), std::string::npos);
}

TEST_F(SoundControl, WithoutTheControlEverySoundIsReportedAndTheGameGoesOn) {
    // Neither beside the program nor registered.
    WriteSound("hit.wav", 1000, 6);
    Run("start\nanswer ok\nanswer ok\n", [](Game& game) {
        EXPECT_EQ(game.sonivel.Dispatch(), nullptr);
        PlaySound(game, "\\hit.wav");
        PlaySound(game, "\\broke.wav");
    });
    const std::string box =
        R"json({"t":0,"ev":"msgbox","title":"Sounds Module","text":"Error: 2147746296 The wave control is not available (CO_E_DLLNOTFOUND) in PlaySound()","buttons":"ok","icon":"information"})json";
    EXPECT_EQ(scenario.Events("msgbox"), (std::vector<std::string>{box, box}));
    EXPECT_EQ(Played(), "");

    // Starting the program says nothing about the missing control.
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"JFW\"\nstart\nwait 2000\n"), 0);
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_EQ(scenario.LastGame().sonivel.CreationResult(), automation::CO_E_DLLNOTFOUND);
    EXPECT_TRUE(scenario.LastGame().GameScreen.frameStakes.Visible());
}

TEST_F(SoundControl, TheControlsDialogsAreMessageBoxes) {
    InstallLibrary();
    Run("start\nanswer ok\n", [](Game& game) {
        EXPECT_EQ(game.sonivel.Dispatch()->Invoke(automation::DISPID_ABOUTBOX, {}, nullptr),
                  automation::S_OK);
    });
    EXPECT_EQ(
        scenario.Events("msgbox"),
        std::vector<std::string>{
            R"({"t":0,"ev":"msgbox","title":"About Morvane Wave Control","text":"Morvane Wave Control, Version 1.0\r\nPlays, records and edits WAV files.","buttons":"ok","icon":"none"})"});
}

// The 16-bit samples' bytes scaled to `percent`, as the output volume scales them.
std::string Scaled(const std::string& samples, int percent) {
    std::string scaled = samples;
    for (std::size_t i = 0; i + 1 < scaled.size(); i += 2) {
        std::int16_t sample = 0;
        std::memcpy(&sample, scaled.data() + i, 2);
        sample = static_cast<std::int16_t>(sample * percent / 100);
        std::memcpy(scaled.data() + i, &sample, 2);
    }
    return scaled;
}

TEST_F(SoundControl, TheChosenLevelReachesTheControlAndOffPlaysNothing) {
    InstallLibrary();
    const std::string samples = WriteSound("hit.wav", 2000, 3);
    Run("setting Ventrelle Options SoundVolume \"40\"\nstart\n",
        [](Game& game) { PlaySound(game, "\\hit.wav"); });
    EXPECT_NE(Played().find(Scaled(samples, 40)), std::string::npos) << "played at 40 percent";
    EXPECT_EQ(Played().find(samples), std::string::npos);

    ::setenv("SDL_DISKAUDIOFILE", (scenario.Folder() / "off.raw").c_str(), 1);
    Run("setting Ventrelle Options Sounds \"Off\"\nstart\n",
        [](Game& game) { PlaySound(game, "\\hit.wav"); });
    EXPECT_TRUE(scenario.Events("sound").empty());
    EXPECT_FALSE(std::filesystem::exists(scenario.Folder() / "off.raw")) << "no device opened";
    mci::SetOutputVolume(mci::kFullVolume);
}

}  // namespace
}  // namespace game::test
