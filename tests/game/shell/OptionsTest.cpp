// The Options menu: the speech rate and the sounds' level changed, said, stored and read back at
// the next start; damaged values giving the defaults; no rate forced on a voice the player never
// changed; and the sounds turned off with the game going on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/shell/Game.h"
#include "platform/mci/OutputVolume.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {

namespace {

const std::string kStartJaws = "setting Ventrelle StartUp Reader \"JFW\"\nstart\nwait 2000\n";

std::size_t Count(const Lines& lines, const std::string& part) {
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& l) {
        return l.find(part) != std::string::npos;
    }));
}

TEST(Options, SpeakFasterAndSlowerSetTheVoiceSayTheRateAndAreKept) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, kStartJaws + "menu mnuOptionsFaster\nmenu mnuOptionsFaster\n"
                                             "menu mnuOptionsSlower\n"),
              0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"("ev":"speechrate")"),
        (Lines{
            R"({"t":2000,"ev":"speechrate","reader":"JFW","value":60})",
            R"({"t":2000,"ev":"setting","app":"Ventrelle","section":"Options","key":"SpeechRate","value":"60"})",
            R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
            SpeakLine(2000, "JFW", "Speech rate 60 percent"),
            R"({"t":2000,"ev":"speechrate","reader":"JFW","value":70})",
            R"({"t":2000,"ev":"setting","app":"Ventrelle","section":"Options","key":"SpeechRate","value":"70"})",
            R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
            SpeakLine(2000, "JFW", "Speech rate 70 percent"),
            R"({"t":2000,"ev":"speechrate","reader":"JFW","value":60})",
            R"({"t":2000,"ev":"setting","app":"Ventrelle","section":"Options","key":"SpeechRate","value":"60"})",
            R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
            SpeakLine(2000, "JFW", "Speech rate 60 percent"),
        }));

    // The next run gives the voice the kept rate as it is made, before its first word.
    ASSERT_EQ(RunGame(scenario, "start\nwait 2000\n"), 0);
    const Lines& lines = scenario.Lines();
    const std::size_t rate = IndexOf(lines, R"("ev":"speechrate")");
    ASSERT_LT(rate, lines.size());
    EXPECT_EQ(lines[rate], R"({"t":0,"ev":"speechrate","reader":"JFW","value":60})");
    EXPECT_LT(rate, IndexOf(lines, R"("ev":"speak")"));
    EXPECT_EQ(Count(lines, R"("ev":"speechrate")"), 1u);
}

TEST(Options, TheRateStopsAtItsEndsAndReachesTheWindowEyesVoice) {
    Scenario scenario;
    std::string script = "setting Ventrelle StartUp Reader \"WE\"\nstart\nwait 2000\n";
    for (int i = 0; i < 7; ++i) {
        script += "menu mnuOptionsSlower\n";
    }
    ASSERT_EQ(RunGame(scenario, script), 0);
    const Lines& lines = scenario.Lines();
    EXPECT_EQ(lines.end()[-1], SpeakLine(2000, "WE", "Speech rate 0 percent"));
    EXPECT_EQ(lines.end()[-4], R"({"t":2000,"ev":"speechrate","reader":"WE","value":0})");
    EXPECT_EQ(Count(lines, "Speech rate 0 percent"), 3u);
}

TEST(Options, NoRateIsForcedAndDamagedValuesGiveTheDefaults) {
    for (const std::string stored : {"", "abc", "150", "-10", "50x", "99999999999999999999"}) {
        Scenario scenario;
        std::string script = kStartJaws;
        if (!stored.empty()) {
            script = "setting Ventrelle Options SpeechRate \"" + stored +
                     "\"\nsetting Ventrelle Options SoundVolume \"" + stored +
                     "\"\nsetting Ventrelle Options Sounds \"" + stored + "\"\n" + script;
        }
        ASSERT_EQ(
            RunGame(scenario, script + "key F3\nmenu mnuOptionsFaster\nmenu mnuOptionsLouder\n"),
            0);
        const Lines& lines = scenario.Lines();
        EXPECT_EQ(Count(lines, R"("ev":"speechrate")"), 1u) << stored;
        EXPECT_EQ(lines.end()[-1], SpeakLine(2000, "JFW", "Sounds 100 percent")) << stored;
        EXPECT_EQ(Count(lines, "Speech rate 60 percent"), 1u) << stored;
        EXPECT_TRUE(scenario.LastGame().options.soundsOn) << stored;
    }
}

TEST(Options, SoundsSofterLouderAndOffAreKeptAndSetTheOutputLevel) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, kStartJaws + "menu mnuOptionsSofter\nmenu mnuOptionsSofter\n"
                                             "menu mnuOptionsLouder\nmenu mnuOptionsSounds\n"),
              0);
    EXPECT_EQ(mci::OutputVolume(), 90);
    const Lines said = Between(scenario.Lines(), R"("key":"SoundVolume","value":"80")");
    EXPECT_EQ(Count(said, "Sounds 80 percent"), 1u);
    EXPECT_EQ(scenario.Lines().end()[-1], SpeakLine(2000, "JFW", "Sounds off"));
    EXPECT_EQ(
        scenario.Lines().end()[-3],
        R"({"t":2000,"ev":"setting","app":"Ventrelle","section":"Options","key":"Sounds","value":"Off"})");

    // Softest is 10 percent; the level is given to the sounds at the next start.
    mci::SetOutputVolume(mci::kFullVolume);
    std::string softer;
    for (int i = 0; i < 12; ++i) {
        softer += "menu mnuOptionsSofter\n";
    }
    ASSERT_EQ(RunGame(scenario, "start\nwait 2000\n" + softer), 0);
    EXPECT_EQ(mci::OutputVolume(), 10);
    EXPECT_EQ(scenario.Lines().end()[-1], SpeakLine(2000, "JFW", "Sounds 10 percent"));
    EXPECT_FALSE(scenario.LastGame().options.soundsOn);
    mci::SetOutputVolume(mci::kFullVolume);
}

TEST(Options, WithTheSoundsOffAHandPlaysNothingAndGoesOn) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, "setting Ventrelle Options Sounds \"Off\"\n" +
                              KeysScript("JFW", kStandingHand, "key PageDown\nwait 10000\ndump\n")),
        0);
    EXPECT_EQ(Count(scenario.Lines(), R"("ev":"sound")"), 0u);
    EXPECT_NE(scenario.Lines().back().find(R"("frame":"frameResults")"), std::string::npos);
    EXPECT_EQ(scenario.LastGame().state.Stakes, 900);
}

}  // namespace
}  // namespace game::test
