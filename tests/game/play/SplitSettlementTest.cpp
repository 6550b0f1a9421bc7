// The hands of a split played out and settled together: the dealer's one turn against every
// standing hand, a split hand's 21 that is never a blackjack, hands that end by their own card
// (told at once, settled before the dealer plays, and no dealer at all when none is left
// standing), insurance held across the split and settled once, and commands that must not act.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"
#include "tests/game/play/IgnoredCommands.h"

namespace game::test {
namespace {

// Player 8 of Spades and 8 of Diamonds against the dealer's 10 of Diamonds (face down) and 8 of
// Clubs; then the 2 and the King of Spades make hand 1 a 20, and the 9 of Diamonds hand 2 a 17.
const std::vector<int> kEights = {8, 23, 21, 34, 2, 13, 22};
const std::string kEightsPlay =
    "click btnSplit\nanswer yes\nclick btnHit\nclick btnStay\nwait 2000\nclick btnStay\n"
    "wait 10000\n";

TEST(SplitSettlement, TwentyAndSeventeenAgainstEighteenWinOneBetAndLoseTheOther) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kEights, kEightsPlay)), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"({"t":6000,"ev":"msgbox")"),
        (Lines{
            R"({"t":6000,"ev":"msgbox","title":"Split Pairs","text":"Splitting this pair of cards will make 2 hands. \r\nYour current bet will be bet on each of these 2 hands. \r\nIf you choose to split this pair, each hand produced will be played out individually before the dealer plays. \r\nDo you want to split this pair?","buttons":"yesno","icon":"question"})",
            R"({"t":6000,"ev":"answer","value":"yes"})",
            R"({"t":6000,"ev":"caption","control":"lblStakes","value":"Stakes=$800"})",
            R"({"t":6000,"ev":"visible","control":"frameGameScreen","value":false})",
            R"({"t":6000,"ev":"caption","control":"lblPlayer","value":"Hand #1"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n8 of Spades              \r\n"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the 8 of Spades              "})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n8 of Spades              \r\n2 of Spades\r\n"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the 2 of Spades"})",
            R"({"t":6000,"ev":"visible","control":"frameGameScreen","value":true})",
            R"({"t":6000,"ev":"focus","control":"txtPlayer"})",
            R"({"t":6000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" your cards "})",
            R"({"t":6000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":6000,"ev":"sound","file":"\\hit.wav"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n8 of Spades              \r\n2 of Spades\r\nKing of Spades\r\n"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the King of Spades"})",
            R"({"t":6000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":"The player stays. "})",
            R"({"t":7000,"ev":"visible","control":"frameGameScreen","value":false})",
            R"({"t":7000,"ev":"caption","control":"lblPlayer","value":"Hand #2"})",
            R"({"t":7000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":7000,"ev":"text","control":"txtPlayer","value":"\r\n8 of Diamonds            \r\n"})",
            R"({"t":7000,"ev":"speak","reader":"JFW","text":" you drew the 8 of Diamonds            "})",
            R"({"t":7000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":7000,"ev":"speak","reader":"JFW","text":"Hand #2"})",
            R"({"t":8000,"ev":"text","control":"txtPlayer","value":"\r\n8 of Diamonds            \r\n9 of Diamonds\r\n"})",
            R"({"t":8000,"ev":"speak","reader":"JFW","text":" you drew the 9 of Diamonds"})",
            R"({"t":8000,"ev":"visible","control":"frameGameScreen","value":true})",
            R"({"t":8000,"ev":"focus","control":"txtPlayer"})",
            R"({"t":8000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":8000,"ev":"speak","reader":"JFW","text":" your cards "})",
            R"({"t":8000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":8000,"ev":"speak","reader":"JFW","text":"The player stays. "})",
            R"({"t":9000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":9000,"ev":"speak","reader":"JFW","text":"The dealer has a 10 of Diamonds and a 8 of Clubs"})",
            R"({"t":11000,"ev":"speak","reader":"JFW","text":"The Dealer stays. "})",
            R"({"t":12500,"ev":"timer","name":"tmrSplit","enabled":true})",
            R"({"t":12600,"ev":"timer","name":"tmrSplit","enabled":false})",
            R"({"t":12600,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":12600,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":12600,"ev":"text","control":"txtDealer","value":"\r\n"})",
            R"({"t":12600,"ev":"visible","control":"frameGameScreen","value":false})",
            R"({"t":12600,"ev":"visible","control":"frameResults","value":true})",
            R"({"t":12600,"ev":"text","control":"txtResults","value":"Hand number  1:\r\nYou win $100 which is the amount of your bet.\r\nYour score was 20!\r\nThe dealer's score was 18!\r\nYour cards: \r\n8 of Spades\r\n2 of Spades\r\nKing of Spades\r\nDealer's cards: \r\n10 of Diamonds\r\n8 of Clubs\r\n\r\nHand number  2:\r\nYou Lose $100 which is the amount of your bet.\r\nYour score was 17!\r\nThe dealer's score was 18!\r\nYour cards: \r\n8 of Diamonds\r\n9 of Diamonds\r\nDealer's cards: \r\n10 of Diamonds\r\n8 of Clubs\r\n\r\n\r\n"})",
            R"({"t":12600,"ev":"focus","control":"txtResults"})",
            R"({"t":12600,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":13600,"ev":"speak","reader":"JFW","text":"Hand number  1:\r\nYou win $100 which is the amount of your bet.\r\nYour score was 20!\r\nThe dealer's score was 18!\r\nYour cards: \r\n8 of Spades\r\n2 of Spades\r\nKing of Spades\r\nDealer's cards: \r\n10 of Diamonds\r\n8 of Clubs\r\n\r\nHand number  2:\r\nYou Lose $100 which is the amount of your bet.\r\nYour score was 17!\r\nThe dealer's score was 18!\r\nYour cards: \r\n8 of Diamonds\r\n9 of Diamonds\r\nDealer's cards: \r\n10 of Diamonds\r\n8 of Clubs\r\n\r\n"})",
        }));
    const GameState& state = scenario.LastGame().state;
    // $1000, less two bets of $100, and the first hand's $200.
    EXPECT_EQ(state.Stakes, 1000);
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_FALSE(state.SplitInProgress);
    EXPECT_EQ(state.SplitHands[1].Outcome, 0);
    EXPECT_EQ(state.SplitHands[2].Outcome, 0);
}

// Ace and King in a split hand make an ordinary 21: a draw against a dealer's 21 of three cards,
// a loss against the dealer's blackjack. Hand 2 (Ace and 9) loses both times.
TEST(SplitSettlement, AnAceAndAKingAfterASplitAreNoBlackJack) {
    struct Case {
        std::vector<int> deck;
        std::string dealer;
        std::string hand1;
        int stakes;
    };
    const std::vector<Case> cases = {
        {{1, 18, 14, 19, 13, 35, 23},
         "5 of Diamonds\r\n6 of Diamonds\r\n10 of Diamonds\r\n",
         "This game was a draw!\r\nYou and the dealer both have 21!\r\n"
         "You do not lose any money, your bet will return to your stakes!\r\n",
         900},
        {{1, 26, 14, 27, 13, 35},
         "King of Diamonds\r\nAce of Clubs\r\n",
         "You lose because the dealer has a Black Jack and you do not!\r\n"
         "You and the dealer both have 21, but the dealer's Black Jack wins.\r\n"
         "You lose $100 which is the amount you bet.\r\n",
         800},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hand1);
        Scenario scenario;
        ASSERT_EQ(RunGame(scenario, HandScript(c.deck,
                                               "click btnSplit\nanswer yes\nclick btnStay\n"
                                               "wait 2000\nclick btnStay\nwait 10000\n")),
                  0);
        const std::string dealer = "Dealer's cards: \r\n" + c.dealer;
        EXPECT_EQ(scenario.LastGame().state.ResultsText,
                  "Hand number  1:\r\n" + c.hand1 +
                      "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n" + dealer +
                      "\r\nHand number  2:\r\n"
                      "You Lose $100 which is the amount of your bet.\r\n"
                      "Your score was 20!\r\nThe dealer's score was 21!\r\n"
                      "Your cards: \r\nAce of Diamonds\r\n9 of Clubs\r\n" +
                      dealer + "\r\n");
        EXPECT_EQ(scenario.LastGame().state.Stakes, c.stakes);
    }
}

// 8 and 6, then the King of Spades; 8 and 7, then the King of Diamonds.
TEST(SplitSettlement, WhenBothHandsBustTheDealerNeverPlaysAndTheHandIsOver) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({8, 23, 21, 34, 6, 13, 20, 26},
                                           "click btnSplit\nanswer yes\nclick btnHit\nwait 3000\n"
                                           "click btnHit\nwait 5000\nmenu mnuGameExit\n")),
              0);
    const std::string results =
        "Hand number  1:\r\n"
        "You drew the King of Spades           , which put you over 21. \r\n"
        "You lose $100 which is the amount of your bet.\r\n"
        "Your cards: \r\n8 of Spades\r\n6 of Spades\r\nKing of Spades\r\nYour total is 24!\r\n"
        "\r\n"
        "Hand number  2:\r\n"
        "You drew the King of Diamonds         , which put you over 21. \r\n"
        "You lose $100 which is the amount of your bet.\r\n"
        "Your cards: \r\n8 of Diamonds\r\n7 of Diamonds\r\nKing of Diamonds\r\n"
        "Your total is 25!\r\n\r\n";
    EXPECT_EQ(
        Between(scenario.Lines(), R"(" you drew the King of Diamonds")", R"("ev":"text")"),
        (Lines{
            R"({"t":9000,"ev":"speak","reader":"JFW","text":" you drew the King of Diamonds"})",
            R"({"t":9000,"ev":"sound","file":"\\youlose.wav"})",
            R"({"t":9000,"ev":"speak","reader":"JFW","text":"You drew the King of Diamonds         , which put you over 21. "})",
            R"({"t":9000,"ev":"speak","reader":"JFW","text":"Full details will be presented after all split pairs are played. "})",
            R"({"t":11000,"ev":"timer","name":"tmrSplit","enabled":true})",
            R"({"t":11100,"ev":"timer","name":"tmrSplit","enabled":false})",
            R"({"t":11100,"ev":"stopspeech","reader":"JFW"})",
        }));
    // The dealer's face-down card, the 10 of Diamonds, is never spoken.
    for (const std::string& line : scenario.Events("speak")) {
        EXPECT_EQ(line.find("10 of Diamonds"), std::string::npos) << line;
        EXPECT_EQ(line.find("dealer"), std::string::npos) << line;
    }
    // Leaving from the results asks nothing: the hand is over.
    EXPECT_EQ(scenario.Lines().back(), R"({"t":14000,"ev":"end"})");
    EXPECT_EQ(scenario.Events("msgbox").size(), 1u);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.ResultsText, results);
    EXPECT_EQ(state.DealerCardCount, 2);
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_EQ(state.Stakes, 800);
}

// Hand 1 splits again (the 8 of Clubs makes hand 3), then wins with five cards while it is
// played; hands 2 and 3 stand on 18 and 17, and the dealer's 16 draws the Queen of Spades.
TEST(SplitSettlement, AFiveCardHandWinsAtOnceAndADealerBustPaysEveryStandingHand) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({8, 23, 21, 19, 34, 2, 3, 15, 16, 13, 9, 12},
                                           "click btnSplit\nanswer yes\nclick btnSplit\n"
                                           "answer yes\nclick btnHit\nclick btnHit\nclick btnHit\n"
                                           "dump\nwait 3000\nclick btnStay\nwait 2000\n"
                                           "click btnStay\nwait 10000\n")),
              0);
    Lines withoutDump;
    for (const std::string& line : scenario.Lines()) {
        if (line.find(R"("ev":"state")") == std::string::npos) {
            withoutDump.push_back(line);
        }
    }
    EXPECT_EQ(
        Between(withoutDump, R"(" you drew the 3 of Diamonds")", R"("Hand #2")"),
        (Lines{
            R"({"t":6000,"ev":"speak","reader":"JFW","text":" you drew the 3 of Diamonds"})",
            R"({"t":6000,"ev":"sound","file":"\\youwin.wav"})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":"You won this hand because you have 5 cards without going over 21. "})",
            R"({"t":6000,"ev":"speak","reader":"JFW","text":"Full details will be presented after all split pairs are played. "})",
            R"({"t":8000,"ev":"visible","control":"frameGameScreen","value":false})",
        }));
    // Won at once: the stakes hold the five-card hand's $200 while its result is told.
    EXPECT_NE(scenario.Events("state")[0].find(R"("Stakes":900,)"), std::string::npos);
    const std::string dealerBust =
        "The Queen of Spades           put the dealer over 21. \r\n"
        "You win $100, which is the amount of your bet.\r\n"
        "The dealer's cards: \r\n10 of Diamonds\r\n6 of Diamonds\r\nQueen of Spades\r\n"
        "The dealer's total is 26!\r\n";
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.ResultsText,
              "Hand number  1:\r\n"
              "You drew the 3 of Diamonds            , which gives you 5 cards without going "
              "over 21. \r\n"
              "You win $100 which is the amount of your bet.\r\n"
              "Your cards: \r\n8 of Spades\r\n2 of Spades\r\n3 of Spades\r\n2 of Diamonds\r\n"
              "3 of Diamonds\r\nYour total is 18!\r\n\r\n"
              "Hand number  2:\r\n" +
                  dealerBust + "\r\nHand number  3:\r\n" + dealerBust + "\r\n");
    EXPECT_EQ(state.SplitHands[1].Outcome, 1);
    EXPECT_EQ(state.Stakes, 1300);
    EXPECT_FALSE(state.GameInProgress);
}

struct InsuranceCase {
    const char* name;
    std::vector<int> deck;
    std::string report;
    std::string hand1;
    int stakes;
};

void PrintTo(const InsuranceCase& c, std::ostream* out) {
    *out << c.name;
}

class SplitInsurance : public ::testing::TestWithParam<InsuranceCase> {};

// Insurance of $50 bought, then the 8s split: hand 1 stands on 18, hand 2 on 17. The side bet
// stays on the table through the split and is settled once, with the results.
TEST_P(SplitInsurance, IsHeldAcrossTheSplitAndSettledOnceWithTheResults) {
    const InsuranceCase& c = GetParam();
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(c.deck,
                                           "click btnInsurance\nanswer yes\nclick btnSplit\n"
                                           "answer yes\nclick btnStay\nwait 2000\nclick btnStay\n"
                                           "wait 10000\n")),
              0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.ResultsText.substr(0, c.report.size() + 17), c.report + "Hand number  1:\r\n");
    EXPECT_EQ(state.ResultsText.find(c.hand1), c.report.size() + 17);
    EXPECT_EQ(state.ResultsText.find("insurance bet", c.report.size()), std::string::npos);
    EXPECT_EQ(state.Stakes, c.stakes);
    // The bet label shows the side bet for the whole split.
    Lines bets;
    for (const std::string& line : scenario.Lines()) {
        if (line.find(R"("control":"lblBet")") != std::string::npos) {
            bets.push_back(line);
        }
    }
    EXPECT_EQ(bets.back(), R"({"t":6000,"ev":"caption","control":"lblBet","value":"Bet=$150"})");
}

INSTANTIATE_TEST_SUITE_P(WonAndLost, SplitInsurance,
                         ::testing::Values(
                             // The dealer's blackjack: both hands lose, the side bet wins $50.
                             InsuranceCase{"Won",
                                           {8, 26, 21, 27, 10, 9},
                                           "You win $50 on an insurance bet.\r\n",
                                           "You Lose $100 which is the amount of your bet.\r\n",
                                           850},
                             // The dealer's 18: hand 1 draws, hand 2 loses, the side bet is lost.
                             InsuranceCase{
                                 "Lost",
                                 {8, 20, 21, 27, 10, 9},
                                 "You lose $50 on an insurance bet.\r\n"
                                 "The dealer has a 7 of Diamonds and a Ace of Clubs.\r\n",
                                 "This game was a draw!\r\nYou and the dealer both have 18!\r\n",
                                 850}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitCommands, AStormDuringTheDealersTurnAfterASplitSettlesNothingTwice) {
    const std::string storm =
        "click btnStay\nclick btnHit\nclick btnDouble\nclick btnInsurance\nclick btnSplit\n";
    ExpectIgnored(kEights, kEightsPlay,
                  "click btnSplit\nanswer yes\nclick btnHit\nclick btnStay\n" + storm +
                      "wait 2000\nclick btnStay\n" + storm + "wait 500\n" + storm + "wait 1500\n" +
                      storm + "wait 1600\n" + storm + "wait 6400\n");
}

TEST(SplitCommands, ClicksAfterTheLastHandEndedByItsOwnCardAreIgnored) {
    // Both hands bust; the clicks come while the bust is told and before the results open.
    const std::vector<int> deck = {8, 23, 21, 34, 6, 13, 20, 26, 2, 3};
    const std::string storm = "click btnStay\nclick btnHit\nclick btnSplit\nclick btnDouble\n";
    ExpectIgnored(deck,
                  "click btnSplit\nanswer yes\nclick btnHit\nwait 3000\nclick btnHit\n"
                  "wait 3000\n",
                  "click btnSplit\nanswer yes\nclick btnHit\n" + storm + "wait 3000\n" +
                      "click btnHit\n" + storm + "wait 2050\n" + storm + "wait 950\n");
}

}  // namespace
}  // namespace game::test
