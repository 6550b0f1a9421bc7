// Double down: the question and its money, the one card without the hit sound, the stay and the
// bust that follow, the refusals, and the next hand's "Same Bet" betting the old amount.
#include <gtest/gtest.h>

#include <string>

#include "game/play/DoubleDown.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

const std::string kQuestion200 =
    R"({"t":6000,"ev":"msgbox","title":"Double Down ","text":"To Double Down means to double your current bet.\r\nIf you choose to make this bet, you will receive only one more card.\r\nThis bet will double your current bet to $200.\r\nDo you want to make this bet?\r\n","buttons":"yesno","icon":"question"})";

TEST(DoubleDown, DoublesTheBetDrawsOneCardThenTheDealerPlaysAndSameBetBetsTheOldAmount) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({5, 23, 6, 20, 10},
                                           "click btnDouble\nanswer yes\nwait 10000\n"
                                           "click btnSameBet\n")),
              0);
    const std::string results =
        R"(You win $200 which is the amount of your bet.\r\nYour score was 21!\r\n)"
        R"(The dealer's score was 17!\r\nYour cards: \r\n5 of Spades\r\n6 of Spades\r\n)"
        R"(10 of Spades\r\nDealer's cards: \r\n10 of Diamonds\r\n7 of Diamonds\r\n)";
    EXPECT_EQ(
        Between(scenario.Lines(), kQuestion200, R"("control":"txtPlayer","value":"\r\n"})"),
        (Lines{
            kQuestion200,
            R"({"t":6000,"ev":"answer","value":"yes"})",
            R"({"t":6000,"ev":"caption","control":"lblBet","value":"Bet=$200"})",
            R"({"t":6000,"ev":"caption","control":"lblStakes","value":"Stakes=$800"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n5 of Spades\r\n6 of Spades\r\n10 of Spades\r\n"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the 10 of Spades"})",
            R"({"t":9000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":9000,"ev":"speak","reader":"JFW","text":"The player must stay. "})",
            R"({"t":10500,"ev":"speak","reader":"JFW","text":"The dealer has a 10 of Diamonds and a 7 of Diamonds"})",
            R"({"t":12500,"ev":"speak","reader":"JFW","text":"The Dealer stays. "})",
            R"({"t":14000,"ev":"caption","control":"lblStakes","value":"Stakes=$1200"})",
            R"({"t":14000,"ev":"visible","control":"lblBet","value":false})",
            R"({"t":14000,"ev":"sound","file":"\\youwin.wav"})",
            R"({"t":14000,"ev":"timer","name":"tmrPlayerWins","enabled":true})",
            R"({"t":14100,"ev":"timer","name":"tmrPlayerWins","enabled":false})",
        }));
    EXPECT_NE(
        IndexOf(scenario.Lines(), R"("control":"txtResults","value":")" + results + R"(\r\n"})"),
        scenario.Lines().size());
    // "Same Bet" at 16000 bets the $100 from before the double down.
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":16000,)", R"("control":"txtPlayer")"),
              (Lines{
                  R"({"t":16000,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":16000,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":16000,"ev":"visible","control":"frameResults","value":false})",
                  R"({"t":16000,"ev":"caption","control":"lblStakes","value":"Stakes=$1100"})",
                  R"({"t":16000,"ev":"visible","control":"lblBet","value":true})",
                  R"({"t":16000,"ev":"caption","control":"lblBet","value":"Bet=$100"})",
                  R"({"t":16000,"ev":"visible","control":"frameGameScreen","value":true})",
              }));
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.Bet, 100);
    EXPECT_EQ(state.Stakes, 1100);
    EXPECT_FALSE(state.DoubledDown);
}

TEST(DoubleDown, ABustingCardLosesTheDoubledBetAndTheDealerDoesNotPlay) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      HandScript({10, 23, 6, 20, 13}, "click btnDouble\nanswer yes\nwait 5000\n")),
              0);
    EXPECT_EQ(Between(scenario.Lines(), R"(" you drew the King of Spades")", R"({"t":6100)"),
              (Lines{
                  R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the King of Spades"})",
                  R"({"t":6000,"ev":"visible","control":"lblBet","value":false})",
                  R"({"t":6000,"ev":"sound","file":"\\youlose.wav"})",
                  R"({"t":6000,"ev":"timer","name":"tmrDealerWins","enabled":true})",
              }));
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.ResultsText.substr(0, 111),
              "You drew the King of Spades           , which put you over 21. \r\n"
              "You lose $200 which is the amount of your bet.");
    EXPECT_EQ(IndexOf(scenario.Lines(), "The player must stay. "), scenario.Lines().size());
    EXPECT_EQ(IndexOf(scenario.Lines(), "The dealer has a"), scenario.Lines().size());
    EXPECT_EQ(state.Stakes, 800);
    EXPECT_EQ(state.Bet, 200);
    EXPECT_EQ(state.BetBeforeDouble, 100);
    // The extra card came without the hit sound.
    EXPECT_EQ(IndexOf(scenario.Lines(), "hit.wav"), scenario.Lines().size());
}

TEST(DoubleDown, StakesEqualToTheBetAreEnoughAndLeaveNothing) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({5, 23, 6, 20, 2}, "click btnDouble\nanswer yes\n", 8)),
              0);
    EXPECT_NE(IndexOf(scenario.Lines(), R"("control":"lblStakes","value":"Stakes=$0"})"),
              scenario.Lines().size());
    EXPECT_NE(IndexOf(scenario.Lines(), R"("control":"lblBet","value":"Bet=$1000"})"),
              scenario.Lines().size());
}

TEST(DoubleDown, DecliningChangesNothing) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, HandScript({5, 23, 6, 20}, "dump\nclick btnDouble\nanswer no\ndump\n")),
        0);
    const Lines states = scenario.Events("state");
    EXPECT_EQ(states[0], states[1]);
    EXPECT_EQ(scenario.Lines().end()[-2], R"({"t":6000,"ev":"answer","value":"no"})");
}

std::string Refusal(const std::string& title, const std::string& text, int t = 6000) {
    return R"({"t":)" + std::to_string(t) + R"(,"ev":"msgbox","title":")" + title +
           R"(","text":")" + text + R"(","buttons":"ok","icon":"information"})";
}

TEST(DoubleDown, WithThreeCardsItIsRefused) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      HandScript({5, 23, 6, 20, 2}, "click btnHit\nclick btnDouble\nanswer ok\n")),
              0);
    EXPECT_EQ(scenario.Events("msgbox"),
              (Lines{Refusal("Double Down", "You can only double Down when you have 2 cards.")}));
    EXPECT_EQ(scenario.LastGame().state.Bet, 100);
}

// Runs DoYouWantDoubleDown's checks on a hand of two cards set up by `setUp`.
void RefuseDirectly(Scenario& scenario, const std::function<void(GameState&)>& setUp) {
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "answer ok\n",
                      [&](Game& game) {
                          game.GameScreen.tmrBeginGame.SetEnabled(false);
                          game.state.GameInProgress = true;
                          game.state.PlayerCardCount = 2;
                          game.state.Stakes = 500;
                          game.state.Bet = 100;
                          setUp(game.state);
                          btnDouble_Click(game);
                      }),
              0);
}

TEST(DoubleDown, StakesOneDollarShortAreRefused) {
    Scenario scenario;
    RefuseDirectly(scenario, [](GameState& state) { state.Stakes = 99; });
    EXPECT_EQ(scenario.Events("msgbox"),
              (Lines{Refusal("Double Down",
                             "You do not have enough stakes remaining to double your bet!", 0)}));
    EXPECT_EQ(scenario.LastGame().state.Stakes, 99);
    EXPECT_EQ(scenario.LastGame().state.Bet, 100);
}

TEST(DoubleDown, OnlyOncePerHand) {
    Scenario scenario;
    RefuseDirectly(scenario, [](GameState& state) { state.DoubledDown = true; });
    EXPECT_EQ(scenario.Events("msgbox"),
              (Lines{Refusal("Double Down", "You can only double down once per hand.", 0)}));
}

TEST(DoubleDown, RefusedDuringSplitHands) {
    Scenario scenario;
    RefuseDirectly(scenario, [](GameState& state) { state.SplitInProgress = true; });
    EXPECT_EQ(scenario.Events("msgbox"),
              (Lines{Refusal("Split Pairs", "You can not double down after splitting.", 0)}));
}

}  // namespace
}  // namespace game::test
