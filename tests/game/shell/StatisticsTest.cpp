// The statistics: a session of stacked hands gives exact figures in both columns, F7 tells this
// game's, the all-time figures survive a restart, and the window's reset asks first (No keeps
// them).
#include <gtest/gtest.h>

#include <string>

#include "game/shell/Game.h"
#include "game/shell/Statistics.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {

namespace {

// A doubled 11 drawing a 10 beats the dealer's 17; then, the same bet, 18 insured against an ace
// up loses with the insurance to the dealer's 20.
const std::vector<int> kSession = {5, 23, 6, 20, 10, 11, 22, 8, 14};
const std::string kPlaySession =
    "click btnDouble\nanswer yes\nwait 10000\nclick btnSameBet\nwait 6000\n"
    "click btnInsurance\nanswer yes\nclick btnStay\nwait 10000\ndump\nkey F7\n";

// A blackjack beats the dealer, who goes over 21; then, the same bet, a pair of eights split
// and both hands stayed at 18 lose to the dealer's 19.
const std::vector<int> kSecondSession = {1, 23, 13, 19, 26, 8, 36, 21, 35, 49, 50};
const std::string kPlaySecondSession =
    "click btnStay\nwait 20000\nclick btnSameBet\nwait 6000\nclick btnSplit\nanswer yes\n"
    "click btnStay\nwait 2000\nclick btnStay\nwait 10000\ndump\n";

Tally FirstSession() {
    Tally tally;
    tally.handsPlayed = 2;
    tally.handsWon = 1;
    tally.handsLost = 1;
    tally.doublesWon = 1;
    tally.insuranceLost = 1;
    tally.highestStakes = 1200;
    tally.netMoney = 50;
    return tally;
}

Tally SecondSession() {
    Tally tally;
    tally.handsPlayed = 3;
    tally.handsWon = 1;
    tally.handsLost = 2;
    tally.blackjacks = 1;
    tally.splits = 1;
    tally.highestStakes = 1200;
    return tally;
}

TEST(Statistics, SessionsOfKnownHandsGiveExactFiguresThatSurviveARestart) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kSession, kPlaySession)), 0);
    EXPECT_EQ(scenario.LastGame().state.Stakes, 1050);
    EXPECT_EQ(scenario.LastGame().statistics.ThisGame(), FirstSession());
    EXPECT_EQ(scenario.LastGame().statistics.AllTime(), FirstSession());
    EXPECT_EQ(scenario.Lines().back(),
              SpeakLine(32000, "JFW", "2 hands: 1 won, 1 lost, 0 drawn. Up $50."));

    ASSERT_EQ(RunGame(scenario, HandScript(kSecondSession, kPlaySecondSession + "key F7\n")), 0);
    const Statistics& statistics = scenario.LastGame().statistics;
    EXPECT_EQ(scenario.LastGame().state.Stakes, 1000);
    EXPECT_EQ(statistics.ThisGame(), SecondSession());
    Tally both = Added(FirstSession(), SecondSession());
    EXPECT_EQ(statistics.AllTime(), both);
    EXPECT_NE(scenario.Lines().back().find(R"("text":"3 hands: 1 won, 2 lost, 0 drawn. Even."})"),
              std::string::npos);

    // A new start: nothing played in this game yet, all time as stored.
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "key F7\n"), 0);
    EXPECT_EQ(scenario.LastGame().statistics.AllTime(), both);
    EXPECT_EQ(scenario.Lines().back(), SpeakLine(2000, "JFW", "No hands played in this game yet."));
}

TEST(Statistics, TheWindowShowsBothColumnsAndResetAsksFirst) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kSession, kPlaySession)), 0);
    ASSERT_EQ(
        RunGame(scenario, StartScript({}) + "menu mnuGameStatistics\n"
                                            "click btnResetAllTime\nanswer no\nclick btnClose\n"),
        0);
    const Lines& lines = scenario.Lines();
    const std::size_t text = IndexOf(lines, R"("control":"txtStatistics")");
    ASSERT_LT(text, lines.size());
    EXPECT_EQ(
        lines[text],
        R"({"t":2000,"ev":"text","control":"txtStatistics","value":")"
        R"(Hands played: 0 this game, 2 all time\r\nWon: 0 this game, 1 all time\r\n)"
        R"(Lost: 0 this game, 1 all time\r\nDrawn: 0 this game, 0 all time\r\n)"
        R"(Blackjacks: 0 this game, 0 all time\r\nFive-card wins: 0 this game, 0 all time\r\n)"
        R"(Doubles won: 0 this game, 1 all time\r\nDoubles lost: 0 this game, 0 all time\r\n)"
        R"(Splits: 0 this game, 0 all time\r\nInsurance bets won: 0 this game, 0 all time\r\n)"
        R"(Insurance bets lost: 0 this game, 1 all time\r\n)"
        R"(Highest stakes: $0 this game, $1200 all time\r\n)"
        R"(Net money: even this game, up $50 all time"})");
    EXPECT_EQ(IndexOf(lines, R"("ev":"msgbox","title":"Statistics")") + 3, lines.size());
    EXPECT_EQ(scenario.LastGame().statistics.AllTime(), FirstSession());

    // No kept them in the store too; Yes clears them there as well.
    ASSERT_EQ(
        RunGame(scenario, StartScript({}) + "menu mnuGameStatistics\n"
                                            "click btnResetAllTime\nanswer yes\nkey Escape\n"),
        0);
    EXPECT_EQ(IndexOf(scenario.Lines(), SpeakLine(2000, "JFW", "All-time statistics reset.")) + 2,
              scenario.Lines().size());
    EXPECT_EQ(scenario.LastGame().statistics.AllTime(), Tally{});
    ASSERT_EQ(RunGame(scenario, StartScript({})), 0);
    EXPECT_EQ(scenario.LastGame().statistics.AllTime(), Tally{});
}

TEST(Statistics, DamagedStoredFiguresReadAsZero) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle Statistics HandsPlayed \"12x\"\n"
                      "setting Ventrelle Statistics HandsWon \"-3\"\n"
                      "setting Ventrelle Statistics NetMoney \"-40\"\n"
                      "setting Ventrelle Statistics Splits \"7\"\n" +
                          StartScript({})),
              0);
    Tally expected;
    expected.netMoney = -40;
    expected.splits = 7;
    EXPECT_EQ(scenario.LastGame().statistics.AllTime(), expected);
}

TEST(Statistics, TheSummaryTellsOneHandAndLosses) {
    Tally game;
    EXPECT_EQ(GameSummary(game), "No hands played in this game yet.");
    game.handsPlayed = 1;
    game.handsLost = 1;
    game.netMoney = -100;
    EXPECT_EQ(GameSummary(game), "1 hand: 0 won, 1 lost, 0 drawn. Down $100.");
    game.handsPlayed = 12;
    game.handsWon = 5;
    game.handsLost = 6;
    game.handsDrawn = 1;
    game.netMoney = 150;
    EXPECT_EQ(GameSummary(game), "12 hands: 5 won, 6 lost, 1 drawn. Up $150.");
}

}  // namespace
}  // namespace game::test
