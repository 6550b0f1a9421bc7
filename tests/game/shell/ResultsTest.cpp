// The results frame and the next hand: Same Bet (dealt, or the bet frame, or the broke
// question), Exit, and the results spoken only under JAWS.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/BetWindow.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

const std::vector<int> kLosingHand = {10, 23, 8, 26};

// $1000 staked, `betEntry` bet and a losing hand played; the results frame is up by 12000 ms,
// where `next` begins.
int LoseAHand(Scenario& scenario, int betEntry, const std::string& next) {
    return RunGame(scenario,
                   HandScript(kLosingHand, "click btnStay\nwait 6000\n" + next, betEntry));
}

TEST(Results, SameBetWithNoStakesLeftAsksUnderTheTitleBroke) {
    Scenario scenario;
    ASSERT_EQ(LoseAHand(scenario, 9, "click btnSameBet\nanswer no\n"), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"({"t":12000,)"),
        (Lines{
            R"({"t":12000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":12000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":12000,"ev":"visible","control":"frameResults","value":false})",
            R"({"t":12000,"ev":"sound","file":"\\broke.wav"})",
            R"({"t":12000,"ev":"msgbox","title":"Broke","text":"You are broke!\r\nDo you want to start a new game?\r\n","buttons":"yesno","icon":"question"})",
            R"({"t":12000,"ev":"answer","value":"no"})",
            R"({"t":12000,"ev":"end"})",
        }));
}

TEST(Results, NewBetWithNoStakesLeftAsksUnderTheWindowsCaption) {
    Scenario scenario;
    ASSERT_EQ(LoseAHand(scenario, 9, "click btnNewBet\nanswer yes\n"), 0);
    EXPECT_EQ(
        scenario.Events("msgbox"),
        (Lines{
            R"({"t":12000,"ev":"msgbox","title":"Ventrelle","text":"You are broke!\r\nDo you want to start a new game?\r\n","buttons":"yesno","icon":"question"})"}));
    EXPECT_EQ(scenario.Lines().back(), R"({"t":12000,"ev":"focus","control":"lstStakes"})");
}

// Bets $100 of `stakes` from the bet frame and loses the hand; the results frame is up by
// 10000 ms, where `next` begins.
int LoseFromStakes(Scenario& scenario, int stakes, const std::string& next) {
    return RunGame(scenario,
                   "setting Ventrelle StartUp Reader \"JFW\"\ndeck 10 23 8 26\nstart\n"
                   "click btnBetOK\nwait 4000\nclick btnStay\nwait 6000\n" +
                       next,
                   [stakes](Game& game) {
                       game.GameScreen.tmrBeginGame.SetEnabled(false);
                       game.GameScreen.ShuffleNeeded = true;
                       game.state.Stakes = stakes;
                       LoadBetWindow(game);
                   });
}

TEST(Results, SameBetWithStakesBelowTheBetOpensTheBetFrame) {
    Scenario scenario;
    ASSERT_EQ(LoseFromStakes(scenario, 150, "click btnSameBet\n"), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"({"t":10000,)"),
        (Lines{
            R"({"t":10000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":10000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":10000,"ev":"visible","control":"frameResults","value":false})",
            R"({"t":10000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":10000,"ev":"visible","control":"frameBet","value":true})",
            R"({"t":10000,"ev":"selected","control":"lstBet","value":-1})",
            R"({"t":10000,"ev":"items","control":"lstBet","value":["$100","$150","$200","$250","$300","$350","$400","$450","$500","$1000","All $50"]})",
            R"({"t":10000,"ev":"selected","control":"lstBet","value":0})",
            R"({"t":10000,"ev":"focus","control":"lstBet"})",
        }));
    EXPECT_EQ(scenario.LastGame().state.Stakes, 50);
}

TEST(Results, SameBetWithStakesEqualToTheBetDealsAndLeavesNothing) {
    Scenario scenario;
    ASSERT_EQ(LoseFromStakes(scenario, 200, "click btnSameBet\n"), 0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.Stakes, 0);
    EXPECT_EQ(state.Bet, 100);
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(scenario.Events("caption").back(),
              R"({"t":10000,"ev":"caption","control":"lblStakes","value":"Stakes=$0"})");
}

TEST(Results, ExitGameEndsWithoutAQuestion) {
    Scenario scenario;
    ASSERT_EQ(LoseAHand(scenario, 0, "click btnExitGame\n"), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":12000,)"),
              (Lines{
                  R"({"t":12000,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":12000,"ev":"end"})",
              }));
}

TEST(Results, UnderWindowEyesTheResultsAreOnlyShown) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"WE\"\ndeck 10 23 8 26\nstart\n"
                      "wait 2000\nclick btnStakesOK\nclick btnBetOK\nwait 4000\n"
                      "click btnStay\nwait 6000\n"),
              0);
    const Lines& lines = scenario.Lines();
    const std::size_t opened = IndexOf(lines, R"("control":"frameResults","value":true)");
    ASSERT_LT(opened, lines.size());
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(opened) + 2, lines.end()),
              (Lines{
                  R"({"t":10600,"ev":"focus","control":"txtResults"})",
                  R"({"t":10600,"ev":"stopspeech","reader":"WE"})",
              }));
    EXPECT_FALSE(scenario.LastGame().state.GameInProgress);
}

}  // namespace
}  // namespace game::test
