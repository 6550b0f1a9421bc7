// Insurance: the spoken offer when the dealer shows an ace, the question and the labels, the
// refusals, half a bet rounded down, a bet too small to insure and stakes too small to pay for it.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/BetWindow.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

// Player 10 and 8, dealer 9 face down and the ace of diamonds face up.
const std::vector<int> kAceUp = {10, 22, 8, 14};

std::string Refusal(const std::string& text) {
    return R"({"t":6000,"ev":"msgbox","title":"Insurance","text":")" + text +
           R"(","buttons":"ok","icon":"information"})";
}

TEST(Insurance, IsOfferedASecondAfterTheDealAndTakenOnYes) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kAceUp, "click btnInsurance\nanswer yes\n")), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"("ev":"focus","control":"txtPlayer")"),
        (Lines{
            R"({"t":3500,"ev":"focus","control":"txtPlayer"})",
            R"({"t":3500,"ev":"stopspeech","reader":"JFW"})",
            // The focus event of the player's cards reads them until the offer cuts in.
            R"({"t":3500,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":3500,"ev":"speak","reader":"JFW","text":" your cards "})",
            R"({"t":4500,"ev":"speak","reader":"JFW","text":"Your cards "})",
            R"({"t":4500,"ev":"speak","reader":"JFW","text":"10 of Spades             "})",
            R"({"t":4500,"ev":"speak","reader":"JFW","text":"8 of Spades              "})",
            R"({"t":5500,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":5500,"ev":"speak","reader":"JFW","text":"Insurance bet is available by pressing the delete key."})",
            R"({"t":6000,"ev":"msgbox","title":"Insurance ","text":"The dealer has an Ace of Diamonds showing.\r\nYou can make an optional insurance bet.\r\nThe insurance bet is insurance in case the dealer has a BlackJack. \r\nIf you make this bet, you win the amount of the insurance bet if the dealer has a BlackJack.\r\nIf you make this bet, you lose the amount of the insurance bet if the dealer does not have a BlackJack.\r\nIf you choose to make this bet, the insurance bet is $50.\r\nDo you want to make this bet?\r\n","buttons":"yesno","icon":"question"})",
            R"({"t":6000,"ev":"answer","value":"yes"})",
            // The bet label shows the bet and the insurance together.
            R"({"t":6000,"ev":"caption","control":"lblBet","value":"Bet=$150"})",
            R"({"t":6000,"ev":"caption","control":"lblStakes","value":"Stakes=$850"})",
        }));
    const GameState& state = scenario.LastGame().state;
    EXPECT_TRUE(state.InsuranceTaken);
    EXPECT_EQ(state.InsuranceBet, 50);
    EXPECT_EQ(state.Bet, 100);
    EXPECT_EQ(state.Stakes, 850);
}

TEST(Insurance, DecliningTakesNothing) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kAceUp, "click btnInsurance\nanswer no\n")), 0);
    EXPECT_EQ(scenario.Lines().back(), R"({"t":6000,"ev":"answer","value":"no"})");
    EXPECT_FALSE(scenario.LastGame().state.InsuranceTaken);
    EXPECT_EQ(scenario.LastGame().state.Stakes, 900);
}

TEST(Insurance, WithoutAnAceShowingItIsNotAvailable) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({10, 14, 8, 22}, "click btnInsurance\nanswer ok\n")), 0);
    EXPECT_EQ(scenario.Events("msgbox"), (Lines{Refusal("Insurance is not available!")}));
    EXPECT_EQ(IndexOf(scenario.Lines(), "Insurance bet is available"), scenario.Lines().size());
    EXPECT_EQ(scenario.LastGame().state.InsuranceBet, 0);
}

TEST(Insurance, OnlyOncePerHand) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kAceUp,
                                           "click btnInsurance\nanswer yes\n"
                                           "click btnInsurance\nanswer ok\n")),
              0);
    EXPECT_EQ(scenario.Events("msgbox").back(),
              Refusal("Only one insurance bet allowed per hand!"));
    EXPECT_EQ(scenario.LastGame().state.Stakes, 850);
}

TEST(Insurance, AfterAHitItIsNotAvailable) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({10, 22, 2, 14, 3},
                                           "click btnHit\nclick btnInsurance\nanswer ok\n")),
              0);
    EXPECT_EQ(scenario.Events("msgbox"), (Lines{Refusal("Insurance is not available!")}));
}

// Opens the bet frame on stakes of `stakes` (the stakes frame skipped), then plays `script`.
int BetFromStakes(Scenario& scenario, int stakes, const std::string& script,
                  const std::vector<int>& deck) {
    std::string start = "setting Ventrelle StartUp Reader \"JFW\"\ndeck";
    for (const int card : deck) {
        start += " " + std::to_string(card);
    }
    return RunGame(scenario, start + "\nstart\n" + script, [stakes](Game& game) {
        game.GameScreen.tmrBeginGame.SetEnabled(false);
        game.GameScreen.ShuffleNeeded = true;
        game.state.Stakes = stakes;
        LoadBetWindow(game);
    });
}

TEST(Insurance, ABetOf125InsuresFor62ButNeedsMoneyLeftToPayForIt) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 125,
                            "select lstBet 1\nclick btnBetOK\nanswer yes\nwait 4000\n"
                            "click btnInsurance\nanswer ok\n",
                            kAceUp),
              0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.Bet, 125);
    EXPECT_EQ(state.InsuranceBet, 62);
    EXPECT_EQ(state.Stakes, 0);
    EXPECT_EQ(
        scenario.Events("msgbox").back(),
        R"({"t":4000,"ev":"msgbox","title":"Insurance","text":"You do not have enough money for this bet.","buttons":"ok","icon":"information"})");
    EXPECT_FALSE(state.InsuranceTaken);
}

TEST(Insurance, ABetOf1CannotBeInsuredAndNothingIsShown) {
    Scenario scenario;
    ASSERT_EQ(BetFromStakes(scenario, 1,
                            "select lstBet 10\nclick btnBetOK\nwait 4000\ndump\n"
                            "click btnInsurance\ndump\n",
                            kAceUp),
              0);
    const Lines states = scenario.Events("state");
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0], states[1]);
    EXPECT_EQ(scenario.Lines().end()[-2], states[0]);
    EXPECT_EQ(scenario.LastGame().state.InsuranceBet, 0);
    EXPECT_EQ(scenario.LastGame().state.Bet, 1);
}

}  // namespace
}  // namespace game::test
