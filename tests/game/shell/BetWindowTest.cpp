// The stakes and bet frames: the stake, the bet taken out before the deal, a bet over the stakes,
// "All $", the highlight kept between hands, and the player who has no money left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/BetWindow.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

// A hand the player loses when staying: 18 against the dealer's 20.
const std::vector<int> kLosingHand = {10, 23, 8, 26};
// A hand the player wins when staying: 20 against the dealer's 19.
const std::vector<int> kWinningHand = {10, 23, 13, 22};

// Opens the bet frame on stakes of `stakes` at 0 ms (the stakes frame skipped), then plays
// `script`; a bet confirmed at 0 ms is dealt by 2500 ms.
int BetFromStakes(Scenario& scenario, int stakes, const std::string& script,
                  const std::vector<int>& deck) {
    std::string start = "setting Ventrelle StartUp Reader \"JFW\"\n";
    if (!deck.empty()) {
        start += "deck";
        for (const int card : deck) {
            start += " " + std::to_string(card);
        }
        start += "\n";
    }
    return RunGame(scenario, start + "start\n" + script, [stakes](Game& game) {
        game.GameScreen.tmrBeginGame.SetEnabled(false);
        game.GameScreen.ShuffleNeeded = true;
        game.state.Stakes = stakes;
        LoadBetWindow(game);
    });
}

const std::string kBrokeQuestion =
    R"("text":"You are broke!\r\nDo you want to start a new game?\r\n","buttons":"yesno","icon":"question"})";

TEST(BetWindow, BettingAllOf1000AsksNothing) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kLosingHand, "", 9)), 0);
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_EQ(scenario.LastGame().state.Stakes, 0);
    EXPECT_EQ(scenario.LastGame().state.Bet, 1000);
    EXPECT_TRUE(scenario.LastGame().state.GameInProgress);
}

const std::string kOnly125 =
    R"({"t":0,"ev":"msgbox","title":"Ventrelle","text":"You can not bet this amount!\r\nYou only have $125 to play with.\r\nDo you wish to bet your full stakes?\r\n","buttons":"yesno","icon":"question"})";

TEST(BetWindow, ABetOverTheStakesAsksAndYesBetsThemAll) {
    Scenario scenario;
    ASSERT_EQ(
        BetFromStakes(scenario, 125, "select lstBet 1\nclick btnBetOK\nanswer yes\n", kLosingHand),
        0);
    EXPECT_EQ(scenario.Events("msgbox"), Lines{kOnly125});
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.Bet, 125);
    EXPECT_EQ(state.Stakes, 0);
    EXPECT_EQ(state.BetListIndex, 0);
    EXPECT_TRUE(state.GameInProgress);
}

TEST(BetWindow, ABetOverTheStakesDeclinedLeavesTheFrameOpen) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 125,
                            "select lstBet 1\nclick btnBetOK\nanswer no\nwait 3000\n", kLosingHand),
              0);
    EXPECT_EQ(scenario.Lines().back(), R"({"t":0,"ev":"answer","value":"no"})");
    const Game& game = scenario.LastGame();
    EXPECT_TRUE(game.GameScreen.frameBet.Visible());
    EXPECT_EQ(game.GameScreen.lstBet.ListIndex(), 1);
    EXPECT_EQ(game.state.Bet, 150);
    EXPECT_EQ(game.state.Stakes, 125);
    EXPECT_FALSE(game.state.GameInProgress);
}

TEST(BetWindow, AllTheStakesAndTheHighlightKeptForTheNextBet) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 850,
                            "select lstBet 10\nclick btnBetOK\nwait 4000\nclick btnStay\n"
                            "wait 6000\nclick btnNewBet\n",
                            kWinningHand),
              0);
    EXPECT_EQ(
        scenario.Events("items")[0],
        R"({"t":0,"ev":"items","control":"lstBet","value":["$100","$150","$200","$250","$300","$350","$400","$450","$500","$1000","All $850"]})");
    EXPECT_EQ(
        Between(scenario.Lines(), R"({"t":10000,)"),
        (Lines{
            R"({"t":10000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":10000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":10000,"ev":"visible","control":"frameResults","value":false})",
            R"({"t":10000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":10000,"ev":"visible","control":"frameBet","value":true})",
            R"({"t":10000,"ev":"selected","control":"lstBet","value":-1})",
            R"({"t":10000,"ev":"items","control":"lstBet","value":["$100","$150","$200","$250","$300","$350","$400","$450","$500","$1000","All $1700"]})",
            R"({"t":10000,"ev":"selected","control":"lstBet","value":10})",
            R"({"t":10000,"ev":"focus","control":"lstBet"})",
        }));
    EXPECT_EQ(scenario.LastGame().state.Stakes, 1700);
    EXPECT_EQ(scenario.LastGame().state.BetListIndex, 10);
}

TEST(BetWindow, ANewStakeOpensTheBetFrameAt100) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 850,
                            "select lstBet 10\nclick btnBetOK\nwait 4000\nclick btnStay\n"
                            "wait 6000\nmenu mnuGameNew\nwait 1000\nselect lstStakes 2\n"
                            "click btnStakesOK\n",
                            kWinningHand),
              0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(scenario.Events("selected").back(),
              R"({"t":11000,"ev":"selected","control":"lstBet","value":0})");
    EXPECT_EQ(
        scenario.Events("items").back(),
        R"({"t":11000,"ev":"items","control":"lstBet","value":["$100","$150","$200","$250","$300","$350","$400","$450","$500","$1000","All $3000"]})");
    EXPECT_EQ(state.Stakes, 3000);
    EXPECT_EQ(state.Bet, 0);
    EXPECT_EQ(state.DealPosition, 0);
}

TEST(BetWindow, WithNoStakesTheBetFrameOffersANewGameUnderTheWindowsCaption) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 0, "answer no\n", {}), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"("ev":"sound")"),
              (Lines{
                  R"({"t":0,"ev":"sound","file":"\\broke.wav"})",
                  R"({"t":0,"ev":"msgbox","title":"Ventrelle",)" + kBrokeQuestion,
                  // The window's own focus event, which comes once the program is idle.
                  R"({"t":0,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":0,"ev":"answer","value":"no"})",
                  R"({"t":0,"ev":"end"})",
              }));
}

TEST(BetWindow, WithNoStakesYesStartsANewGame) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 0, "answer yes\n", {}), 0);
    EXPECT_EQ(scenario.Lines().back(), R"({"t":0,"ev":"focus","control":"lstStakes"})");
    EXPECT_TRUE(scenario.LastGame().GameScreen.ShuffleNeeded);
}

}  // namespace
}  // namespace game::test
