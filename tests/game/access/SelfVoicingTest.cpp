// The game voicing its own windows: what is said while no screen reader runs, the silence while
// one does, the stored and command-line choices that override the desktop, and the game's own
// speech left exactly as it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/BetWindow.h"
#include "game/shell/Game.h"
#include "game/shell/StartUp.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

const std::string kNoReader = "screenreader none\n";

// The texts of the trace's announcements, in order.
Lines Announced(const Scenario& scenario) {
    Lines texts;
    const std::string marker = R"("ev":"announce","reader":"JFW","text":")";
    for (const std::string& line : scenario.Events("announce")) {
        const auto start = line.find(marker);
        EXPECT_NE(start, std::string::npos) << line;
        if (start != std::string::npos) {
            texts.push_back(
                line.substr(start + marker.size(), line.size() - start - marker.size() - 2));
        }
    }
    return texts;
}

// The game's own speech: every speak and stopspeech line.
Lines OwnSpeech(const Scenario& scenario) {
    return Concat(scenario.Events("speak"), scenario.Events("stopspeech"));
}

// Down twice in the stakes list, then the Game menu opened, one entry down, and its last entry.
const std::string kStakesAndMenu = "key Down\nkey Down\nkey Alt+G\nkey Down\nkey End\n";

const Lines kStakesAndMenuSpoken = {
    "Ventrelle",       "Stakes list, $1000", "$2000",       "$3000", "Game menu",
    "New Game Ctrl+N", "Screen Reader...",   "Exit Program"};

TEST(SelfVoicing, WithoutAScreenReaderTheListAndTheMenusAreSpoken) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, kNoReader + StartScript({}) + kStakesAndMenu), 0);
    EXPECT_EQ(Announced(scenario), kStakesAndMenuSpoken);
}

TEST(SelfVoicing, WithAScreenReaderNothingIsAnnouncedAndTheGamesSpeechIsTheSame) {
    Scenario voiced;
    ASSERT_EQ(RunGame(voiced, kNoReader + StartScript({}) + kStakesAndMenu), 0);
    Scenario silent;
    ASSERT_EQ(RunGame(silent, StartScript({}) + kStakesAndMenu), 0);
    EXPECT_TRUE(silent.Events("announce").empty());
    EXPECT_EQ(OwnSpeech(silent), OwnSpeech(voiced));
    EXPECT_FALSE(OwnSpeech(silent).empty());
}

TEST(SelfVoicing, AScreenReaderStartingOrStoppingIsFollowed) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "key Down\nscreenreader none\nkey Down\n"
                                                  "screenreader running\nkey Down\n"),
              0);
    EXPECT_EQ(Announced(scenario), Lines{"$3000"});
}

// The bet frame on stakes of $125, and a bet of $150 that asks a question.
int BetOverTheStakes(Scenario& scenario, const std::string& before) {
    return RunGame(scenario,
                   before + StartScript({}) + "select lstBet 1\nclick btnBetOK\nanswer no\n",
                   [](Game& game) {
                       game.GameScreen.tmrBeginGame.SetEnabled(false);
                       game.state.Stakes = 125;
                       LoadBetWindow(game);
                   });
}

TEST(SelfVoicing, AMessageBoxSaysItsTitleTextAndFocusedButton) {
    Scenario scenario;
    ASSERT_EQ(BetOverTheStakes(scenario, kNoReader), 0);
    const Lines spoken = Announced(scenario);
    ASSERT_GE(spoken.size(), 3U);
    EXPECT_EQ(Lines(spoken.end() - 3, spoken.end()),
              (Lines{"Ventrelle dialog",
                     R"(You can not bet this amount!\r\nYou only have $125 to play with.\r\n)"
                     R"(Do you wish to bet your full stakes?\r\n)",
                     "Yes button"}));
    // Said once its trace line is out, before the player answers.
    const Lines& lines = scenario.Lines();
    const std::size_t box = IndexOf(lines, R"("ev":"msgbox")");
    EXPECT_EQ(IndexOf(lines, R"("text":"Yes button")"), box + 3);
    EXPECT_EQ(IndexOf(lines, R"("ev":"answer")"), box + 4);

    Scenario withReader;
    ASSERT_EQ(BetOverTheStakes(withReader, ""), 0);
    EXPECT_TRUE(withReader.Events("announce").empty());
}

TEST(SelfVoicing, TheStoredChoiceOverridesTheDesktopBothWays) {
    Scenario forcedOn;
    ASSERT_EQ(RunGame(forcedOn, "setting Ventrelle Accessibility SelfVoicing \"on\"\n" +
                                    StartScript({}) + kStakesAndMenu),
              0);
    EXPECT_EQ(Announced(forcedOn), kStakesAndMenuSpoken);

    Scenario forcedOff;
    ASSERT_EQ(
        RunGame(forcedOff, kNoReader + "setting Ventrelle Accessibility SelfVoicing \"off\"\n" +
                               StartScript({}) + kStakesAndMenu),
        0);
    EXPECT_TRUE(forcedOff.Events("announce").empty());

    Scenario damaged;
    ASSERT_EQ(
        RunGame(damaged, kNoReader + "setting Ventrelle Accessibility SelfVoicing \"loud\"\n" +
                             StartScript({}) + kStakesAndMenu),
        0);
    EXPECT_EQ(Announced(damaged), kStakesAndMenuSpoken);
}

TEST(SelfVoicing, TheCommandLineWinsOverTheStoredChoice) {
    const auto withCommandLine = [](Scenario& scenario, const std::string& before,
                                    SelfVoicingMode mode) {
        return scenario.Run(before + StartScript({}) + kStakesAndMenu, [mode](Game& game) {
            game.selfVoicing.SetCommandLineMode(mode);
            ProgramEntry(game);
            AttachQuietControl(game);
        });
    };
    Scenario off;
    ASSERT_EQ(
        withCommandLine(off, kNoReader + "setting Ventrelle Accessibility SelfVoicing \"on\"\n",
                        SelfVoicingMode::Off),
        0);
    EXPECT_TRUE(off.Events("announce").empty());

    Scenario on;
    ASSERT_EQ(withCommandLine(on, "setting Ventrelle Accessibility SelfVoicing \"off\"\n",
                              SelfVoicingMode::On),
              0);
    EXPECT_EQ(Announced(on), kStakesAndMenuSpoken);
}

TEST(SelfVoicing, ACheckEntrySaysWhetherItIsChecked) {
    const std::string toWarnsEntry = "key Alt+O\nkey End\nkey Escape\n";
    Scenario off;
    ASSERT_EQ(RunGame(off, kNoReader + StartScript({}) + toWarnsEntry), 0);
    EXPECT_EQ(Announced(off).back(), "Coach warns me not checked");

    Scenario on;
    ASSERT_EQ(RunGame(on, kNoReader + "setting Ventrelle Coach Warns \"1\"\n" + StartScript({}) +
                              toWarnsEntry),
              0);
    EXPECT_EQ(Announced(on).back(), "Coach warns me checked");
}

TEST(SelfVoicing, WindowEyesHearsTheAnnouncementsThroughItsVoice) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, "setting Ventrelle StartUp Reader \"WE\"\n" + kNoReader +
                                    "start\nwait 2000\nkey Down\n"),
              0);
    const Lines events = scenario.Events("announce");
    ASSERT_FALSE(events.empty());
    EXPECT_NE(events.back().find(R"("reader":"WE","text":"$2000")"), std::string::npos);
}

}  // namespace
}  // namespace game::test
