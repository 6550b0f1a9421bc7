// The player's turn: hit and stay, the ace rule, the five-card win and the bust (the dealer not
// playing), the dealer's own ace rule and standing on soft 17, and commands that must not act.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/play/PlayerTurn.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"
#include "tests/game/play/IgnoredCommands.h"

namespace game::test {
namespace {

std::vector<int> Values(const CheckedArray<Int16, 21>& values, int count) {
    std::vector<int> out;
    for (int slot = 1; slot <= count; ++slot) {
        out.push_back(values[slot]);
    }
    return out;
}

TEST(PlayerTurn, HitPlaysTheSoundThenDrawsAndSpeaksTheCard) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({10, 23, 2, 20, 3}, "click btnHit\n")), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"({"t":6000,)"),
        (Lines{
            R"({"t":6000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":6000,"ev":"sound","file":"\\hit.wav"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n10 of Spades\r\n2 of Spades\r\n3 of Spades\r\n"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the 3 of Spades"})",
        }));
    EXPECT_EQ(scenario.LastGame().state.PlayerTotal, 15);
    EXPECT_EQ(scenario.LastGame().state.DealPosition, 5);
}

TEST(PlayerTurn, AFifthCardAt21OrLessWinsAtOnceAndTheDealerDoesNotPlay) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, HandScript({2, 23, 3, 20, 4, 5, 6},
                                     "click btnHit\nclick btnHit\nclick btnHit\nwait 2000\n")),
        0);
    const std::string text =
        R"(You drew the 6 of Spades              , which gives you 5 cards without going over 21. \r\n)"
        R"(You win $100 which is the amount of your bet.\r\n)"
        R"(Your cards: \r\n2 of Spades\r\n3 of Spades\r\n4 of Spades\r\n5 of Spades\r\n6 of Spades\r\n)"
        R"(Your total is 20!\r\n)";
    EXPECT_EQ(Between(scenario.Lines(), R"(" you drew the 6 of Spades")", R"("ev":"text")"),
              (Lines{
                  R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the 6 of Spades"})",
                  R"({"t":6000,"ev":"caption","control":"lblStakes","value":"Stakes=$1100"})",
                  R"({"t":6000,"ev":"visible","control":"lblBet","value":false})",
                  R"({"t":6000,"ev":"sound","file":"\\youwin.wav"})",
                  R"({"t":6000,"ev":"timer","name":"tmrPlayerWins","enabled":true})",
                  R"({"t":6100,"ev":"timer","name":"tmrPlayerWins","enabled":false})",
              }));
    EXPECT_EQ(IndexOf(scenario.Lines(), "The dealer has a"), scenario.Lines().size());
    EXPECT_EQ(scenario.Events("text").back(),
              R"({"t":6100,"ev":"text","control":"txtResults","value":")" + text + R"(\r\n"})");
    EXPECT_EQ(scenario.LastGame().state.Stakes, 1100);
}

TEST(PlayerTurn, ABustLosesAtOnceAndTheDealerDoesNotPlay) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({10, 23, 6, 20, 13}, "click btnHit\nwait 2000\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"(" you drew the King of Spades")", R"("ev":"text")"),
              (Lines{
                  R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the King of Spades"})",
                  R"({"t":6000,"ev":"visible","control":"lblBet","value":false})",
                  R"({"t":6000,"ev":"sound","file":"\\youlose.wav"})",
                  R"({"t":6000,"ev":"timer","name":"tmrDealerWins","enabled":true})",
                  R"({"t":6100,"ev":"timer","name":"tmrDealerWins","enabled":false})",
              }));
    EXPECT_EQ(scenario.LastGame().state.ResultsText,
              "You drew the King of Spades           , which put you over 21. \r\n"
              "You lose $100 which is the amount of your bet.\r\n"
              "Your cards: \r\n10 of Spades\r\n6 of Spades\r\nKing of Spades\r\n"
              "Your total is 26!\r\n");
    EXPECT_EQ(IndexOf(scenario.Lines(), "The dealer has a"), scenario.Lines().size());
    EXPECT_EQ(scenario.LastGame().state.Stakes, 900);
}

TEST(PlayerTurn, AFifthCardOver21IsABust) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, HandScript({2, 23, 3, 20, 4, 5, 13},
                                     "click btnHit\nclick btnHit\nclick btnHit\nwait 2000\n")),
        0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.ResultsText.substr(0, 63),
              "You drew the King of Spades           , which put you over 21. ");
    EXPECT_EQ(state.Stakes, 900);
    EXPECT_EQ(state.PlayerTotal, 24);
}

TEST(PlayerTurn, TwoAcesCountTwelveWithTheFirstLowered) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({1, 23, 14, 20}, "")), 0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(Values(state.PlayerCardValues, 2), (std::vector<int>{1, 11}));
    EXPECT_EQ(state.PlayerTotal, 12);
    EXPECT_TRUE(state.GameInProgress);
}

TEST(PlayerTurn, ASoft17ThatTakesATenLowersItsAceAndGoesOn) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({1, 23, 6, 20, 10}, "click btnHit\n")), 0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(Values(state.PlayerCardValues, 3), (std::vector<int>{1, 6, 10}));
    EXPECT_EQ(state.PlayerTotal, 17);
    EXPECT_TRUE(state.GameInProgress);
}

TEST(PlayerTurn, AcesAreLoweredEarliestFirstAndOnlyAsNeeded) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, HandScript({1, 23, 14, 20, 9, 5}, "click btnHit\ndump\nclick btnHit\n")),
        0);
    EXPECT_NE(scenario.Events("state")[0].find(R"("PlayerCardValues":[0,1,11,9,0,)"),
              std::string::npos);
    EXPECT_NE(scenario.Events("state")[0].find(R"("PlayerTotal":21,)"), std::string::npos);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(Values(state.PlayerCardValues, 4), (std::vector<int>{1, 1, 9, 5}));
    EXPECT_EQ(state.PlayerTotal, 16);
}

TEST(DealerTurn, TheDealerStandsOnASoft17) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({10, 14, 8, 19}, "click btnStay\nwait 10000\n")), 0);
    EXPECT_EQ(IndexOf(scenario.Lines(), "The dealer hits."), scenario.Lines().size());
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.DealerTotal, 17);
    EXPECT_EQ(state.Stakes, 1100);
}

TEST(DealerTurn, TwoAcesCountTwelveAndTheDealerDrawsToSeventeen) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({10, 14, 8, 40, 18, 2}, "click btnStay\nwait 20000\n")),
              0);
    const GameState& state = scenario.LastGame().state;
    std::vector<int> values;
    for (int slot = 1; slot <= state.DealerCardCount; ++slot) {
        values.push_back(state.DealerCardValues[slot]);
    }
    EXPECT_EQ(values, (std::vector<int>{1, 11, 5}));
    EXPECT_EQ(state.DealerTotal, 17);
    const Lines speech = scenario.Events("speak");
    EXPECT_EQ(std::count_if(speech.begin(), speech.end(),
                            [](const std::string& line) {
                                return line.find("The dealer hits.  ") != std::string::npos;
                            }),
              1);
    EXPECT_EQ(state.Stakes, 1100);
}

TEST(PlayCommands, ASecondStayDuringTheDealersTurnIsIgnored) {
    ExpectIgnored({10, 23, 8, 18, 2, 3}, "click btnStay\nwait 20000\n",
                  "click btnStay\nwait 500\nclick btnStay\nwait 1000\nclick btnStay\nclick btnHit\n"
                  "click btnDouble\nclick btnInsurance\nclick btnSplit\nwait 3000\nclick btnStay\n"
                  "wait 15500\n");
}

TEST(PlayCommands, CommandsBeforeTheResultsFrameOpensAreIgnored) {
    ExpectIgnored({10, 23, 6, 20, 13}, "click btnHit\nwait 2000\n",
                  "click btnHit\nclick btnHit\nclick btnStay\nclick btnDouble\nclick btnInsurance\n"
                  "click btnSplit\nwait 50\nclick btnHit\nwait 1950\n");
}

TEST(PlayCommands, CommandsDuringTheDealsPauseAreIgnored) {
    // The table shows at 3500; the deal pauses until 4500.
    const std::string bet = "click btnStakesOK\nclick btnBetOK\nwait 1600\n";
    Scenario plain;
    ASSERT_EQ(RunGame(plain, StartScript({10, 23, 6, 14}) + bet + "wait 2000\n"), 0);
    Scenario extra;
    ASSERT_EQ(RunGame(extra, StartScript({10, 23, 6, 14}) + bet +
                                 "click btnHit\nclick btnStay\nwait 500\nclick btnInsurance\n"
                                 "click btnDouble\nwait 1500\n"),
              0);
    EXPECT_EQ(extra.Lines(), plain.Lines());
}

TEST(PlayCommands, StayOver21DoesNothing) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}),
                      [](Game& game) {
                          game.state.GameInProgress = true;
                          game.state.PlayerTotal = 22;
                          game.backend.Report("stay", {});
                          btnStay_Click(game);
                          game.backend.Report("stayed", {});
                      }),
              0);
    const std::size_t stay = IndexOf(scenario.Lines(), R"("ev":"stay")");
    EXPECT_EQ(scenario.Lines()[stay + 1], R"({"t":0,"ev":"stayed"})");
}

}  // namespace
}  // namespace game::test
