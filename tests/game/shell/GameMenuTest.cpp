// New Game, Exit and closing the main window, with and without a hand in play.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "game/shell/StartUp.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kStoredJfw = "setting Ventrelle StartUp Reader \"JFW\"\n";

// Starts with "JFW" stored and, once the stakes frame is up, plays `script`.
int PlayAfterStakes(Scenario& scenario, const std::string& script, bool handInPlay) {
    return scenario.Run(kStoredJfw + "start\nwait 2000\n" + script, [handInPlay](Game& game) {
        ProgramEntry(game);
        game.state.GameInProgress = handInPlay;
    });
}

const std::string kNewGameQuestion =
    R"({"t":2000,"ev":"msgbox","title":"New Game","text":"There is currently a game in progress. \r\nAre you shure you want to start a new game?\r\n","buttons":"yesno","icon":"question"})";
const std::string kExitQuestion =
    R"({"t":2000,"ev":"msgbox","title":"Exit Game","text":"There is currently a game in progress. \r\nAre you shure you want to exit this game?\r\n","buttons":"yesno","icon":"question"})";

TEST(NewGame, WithoutAHandAsksNothingAndOpensTheStakesFrame) {
    Scenario scenario;
    ASSERT_EQ(PlayAfterStakes(scenario, "menu mnuGameNew\nwait 1000\n", false), 0);
    const Lines expected = {
        R"({"t":2000,"ev":"visible","control":"frameStakes","value":false})",
        R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
        R"({"t":2300,"ev":"speak","reader":"JFW","text":"Press F2 for help. "})",
        R"({"t":3000,"ev":"stopspeech","reader":"JFW"})",
        R"({"t":3000,"ev":"visible","control":"frameStakes","value":true})",
        R"({"t":3000,"ev":"selected","control":"lstStakes","value":-1})",
        R"({"t":3000,"ev":"items","control":"lstStakes","value":["$1000","$2000","$3000","$4000","$5000","$6000","$7000","$8000","$9000","$10000"]})",
        R"({"t":3000,"ev":"selected","control":"lstStakes","value":0})",
        // The list lost the focus when its frame was hidden: focusing it is heard again.
        R"({"t":3000,"ev":"focus","control":"lstStakes"})",
    };
    const Lines& all = scenario.Lines();
    const auto menuAt = all.end() - static_cast<std::ptrdiff_t>(expected.size());
    EXPECT_EQ(Lines(menuAt, all.end()), expected);
    EXPECT_EQ(*(menuAt - 1), R"({"t":2000,"ev":"timer","name":"tmrBeginGame","enabled":false})");
}

TEST(NewGame, DuringAHandNoKeepsEverything) {
    Scenario scenario;
    ASSERT_EQ(
        PlayAfterStakes(scenario, "dump\nmenu mnuGameNew\nanswer no\ndump\nwait 5000\n", true), 0);
    const Lines after = scenario.Lines();
    const Lines states = scenario.Events("state");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0], states[1]);
    const auto question = std::find(after.begin(), after.end(), kNewGameQuestion);
    ASSERT_NE(question, after.end());
    EXPECT_EQ(*(question + 1), R"({"t":2000,"ev":"answer","value":"no"})");
    EXPECT_EQ(*(question + 2), states[1]);
    EXPECT_EQ(question + 3, after.end());
    EXPECT_TRUE(scenario.LastGame().state.GameInProgress);
}

TEST(NewGame, DuringAHandYesStartsANewGame) {
    Scenario scenario;
    ASSERT_EQ(PlayAfterStakes(scenario, "menu mnuGameNew\nanswer yes\nwait 1000\n", true), 0);
    const Lines& all = scenario.Lines();
    const auto question = std::find(all.begin(), all.end(), kNewGameQuestion);
    ASSERT_NE(question, all.end());
    EXPECT_EQ(*(question + 1), R"({"t":2000,"ev":"answer","value":"yes"})");
    EXPECT_EQ(*(question + 2),
              R"({"t":2000,"ev":"visible","control":"frameStakes","value":false})");
    EXPECT_EQ(all.back(), R"({"t":3000,"ev":"focus","control":"lstStakes"})");
    // A new game leaves the hand's flag alone; the stake chosen next starts afresh.
    EXPECT_TRUE(scenario.LastGame().state.GameInProgress);
}

TEST(NewGame, CtrlNReachesTheMenuFromTheStakesList) {
    Scenario scenario;
    ASSERT_EQ(PlayAfterStakes(scenario, "key Ctrl+N\nwait 1000\n", false), 0);
    EXPECT_EQ(scenario.Events("speak").back(),
              R"({"t":2300,"ev":"speak","reader":"JFW","text":"Press F2 for help. "})");
}

TEST(Exit, WithoutAHandEndsAtOnce) {
    Scenario scenario;
    ASSERT_EQ(PlayAfterStakes(scenario, "menu mnuGameExit\nwait 1000\n", false), 0);
    EXPECT_EQ(scenario.Lines().back(), R"({"t":2000,"ev":"end"})");
}

TEST(Exit, DuringAHandNoGoesOnAndYesEnds) {
    Scenario scenario;
    ASSERT_EQ(PlayAfterStakes(scenario,
                              "menu mnuGameExit\nanswer no\nwait 1000\nmenu mnuGameExit\n"
                              "answer yes\n",
                              true),
              0);
    const Lines& all = scenario.Lines();
    const auto first = std::find(all.begin(), all.end(), kExitQuestion);
    ASSERT_NE(first, all.end());
    const Lines expected = {
        kExitQuestion,
        R"({"t":2000,"ev":"answer","value":"no"})",
        R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
        R"({"t":3000,"ev":"msgbox","title":"Exit Game","text":"There is currently a game in progress. \r\nAre you shure you want to exit this game?\r\n","buttons":"yesno","icon":"question"})",
        R"({"t":3000,"ev":"answer","value":"yes"})",
        R"({"t":3000,"ev":"end"})",
    };
    EXPECT_EQ(Lines(first, all.end()), expected);
}

TEST(Exit, ACommandDuringThePauseAfterNoRunsInsideIt) {
    Scenario scenario;
    // The 300 ms pause after No handles the next command at once, as a key press would be.
    ASSERT_EQ(PlayAfterStakes(scenario,
                              "menu mnuGameExit\nanswer no\nmenu mnuGameExit\nanswer yes\n", true),
              0);
    EXPECT_EQ(scenario.Lines().back(), R"({"t":2000,"ev":"end"})");
}

TEST(Exit, ReleasesTheWindowEyesVoice) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"WE\"\nstart\nmenu mnuGameExit\n"),
              0);
    EXPECT_EQ(scenario.LastGame().state.WESpeech, nullptr);
    EXPECT_EQ(scenario.Lines().back(), R"({"t":0,"ev":"end"})");
}

TEST(CloseWindow, WithoutAHandEndsWithoutAsking) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"WE\"\nstart\nwait 2000\nclose\n"),
              0);
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_EQ(scenario.Lines().back(), R"({"t":2000,"ev":"end"})");
    EXPECT_EQ(scenario.LastGame().state.WESpeech, nullptr);
}

TEST(CloseWindow, DuringAHandNoKeepsTheWindowAndYesEnds) {
    Scenario scenario;
    ASSERT_EQ(PlayAfterStakes(scenario, "close\nanswer no\ndump\nclose\nanswer yes\n", true), 0);
    const Lines& all = scenario.Lines();
    const auto first = std::find(all.begin(), all.end(), kExitQuestion);
    ASSERT_NE(first, all.end());
    EXPECT_EQ(*(first + 1), R"({"t":2000,"ev":"answer","value":"no"})");
    EXPECT_NE((first + 2)->find(R"("ev":"state")"), std::string::npos);
    EXPECT_NE((first + 2)->find(R"("frame":"frameStakes","focus":"lstStakes")"), std::string::npos);
    EXPECT_EQ(*(first + 3), kExitQuestion);
    EXPECT_EQ(*(first + 4), R"({"t":2000,"ev":"answer","value":"yes"})");
    EXPECT_EQ(*(first + 5), R"({"t":2000,"ev":"end"})");
    EXPECT_EQ(first + 6, all.end());
}

}  // namespace
}  // namespace game::test
