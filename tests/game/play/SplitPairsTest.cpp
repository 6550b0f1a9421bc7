// Splitting a pair: the checks and their messages, the question (No changes nothing), the stakes
// that pay for each new hand, the hands made by one, two and three splits and the order they are
// played in, split aces, and the plays refused during a split.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/play/SplitPairs.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

const std::string kQuestion =
    R"({"t":6000,"ev":"msgbox","title":"Split Pairs","text":"Splitting this pair of cards will make 2 hands. \r\nYour current bet will be bet on each of these 2 hands. \r\nIf you choose to split this pair, each hand produced will be played out individually before the dealer plays. \r\nDo you want to split this pair?","buttons":"yesno","icon":"question"})";

std::string Refusal(int t, const std::string& text) {
    return R"({"t":)" + std::to_string(t) + R"(,"ev":"msgbox","title":"Split Pairs","text":")" +
           text + R"(","buttons":"ok","icon":"information"})";
}

// The trace lines that name the hand being played and show its cards, and the message boxes.
Lines HandsAndBoxes(const Lines& lines) {
    Lines picked;
    for (const std::string& line : lines) {
        if (line.find(R"("control":"lblPlayer")") != std::string::npos ||
            line.find(R"("ev":"text","control":"txtPlayer")") != std::string::npos ||
            line.find(R"("ev":"msgbox")") != std::string::npos) {
            picked.push_back(line);
        }
    }
    return picked;
}

std::vector<std::string> SplitCards(const SplitHand& hand) {
    std::vector<std::string> cards;
    for (int slot = 1; slot <= hand.CardCount; ++slot) {
        cards.push_back(hand.CardNames[slot]);
    }
    return cards;
}

TEST(SplitPairs, AKingAndAQueenArePairsAndTheQuestionComesFirst) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({13, 23, 25, 22}, "click btnSplit\nanswer no\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"("ev":"msgbox")"),
              (Lines{kQuestion, R"({"t":6000,"ev":"answer","value":"no"})"}));
}

TEST(SplitPairs, NoLeavesTheHandTheStakesAndTheSplitStateAsTheyWere) {
    Scenario before;
    ASSERT_EQ(RunGame(before, HandScript({8, 23, 21, 22}, "dump\n")), 0);
    Scenario after;
    ASSERT_EQ(RunGame(after, HandScript({8, 23, 21, 22}, "click btnSplit\nanswer no\ndump\n")), 0);
    EXPECT_EQ(after.Events("state"), before.Events("state"));
    EXPECT_EQ(after.LastGame().state.Stakes, 900);
    EXPECT_FALSE(after.LastGame().state.SplitInProgress);
}

TEST(SplitPairs, EachCheckRefusesWithItsOwnMessage) {
    struct Case {
        std::vector<int> deck;
        std::string play;
        int betEntry;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{7, 23, 21, 22},
         "click btnSplit\nanswer ok\n",
         0,
         "You can only split cards with the same value."},
        {{8, 23, 21, 22, 2},
         "click btnHit\nclick btnSplit\nanswer ok\n",
         0,
         "You can only split pairs when you have 2 cards."},
        // $500 of $1000 bet: the first split takes the rest, a second finds the stakes too low.
        {{8, 23, 21, 22, 34},
         "click btnSplit\nanswer yes\nclick btnSplit\nanswer ok\n",
         8,
         "Your stakes are too low to split this pair."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Scenario scenario;
        ASSERT_EQ(RunGame(scenario, HandScript(c.deck, c.play, c.betEntry)), 0);
        EXPECT_EQ(scenario.Events("msgbox").back(), Refusal(6000, c.message));
        // The refusal is answered and nothing more happens then (after a split, the cards of the
        // hand that got the focus are read out a second later).
        EXPECT_EQ(Between(scenario.Lines(), Refusal(6000, c.message), R"({"t":7000,)"),
                  (Lines{Refusal(6000, c.message), R"({"t":6000,"ev":"answer","value":"ok"})"}));
    }
}

TEST(SplitPairs, StakesEqualToTheBetPayForTheSplitAndLeaveNothing) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({8, 23, 21, 22, 2}, "click btnSplit\nanswer yes\n", 8)),
              0);
    EXPECT_NE(IndexOf(scenario.Lines(),
                      R"({"t":6000,"ev":"caption","control":"lblStakes","value":"Stakes=$0"})"),
              scenario.Lines().size());
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.Stakes, 0);
    EXPECT_EQ(state.Bet, 500);
    EXPECT_TRUE(state.SplitInProgress);
    EXPECT_EQ(state.SplitCount, 1);
}

// King and King split, then Queen and Jack come to hand 1 and are split off in turn; the 10 that
// follows makes a fourth pair, which is refused. The hands are then played in slot order, each
// new one announced, and hand 1 starts again from its first card after each split.
TEST(SplitPairs, ThreeSplitsMakeFourHandsPlayedInSlotOrder) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({13, 15, 26, 16, 12, 11, 10, 2, 3, 4, 5, 6, 7},
                                           "click btnSplit\nanswer yes\n"
                                           "click btnSplit\nanswer yes\n"
                                           "click btnSplit\nanswer yes\n"
                                           "click btnSplit\nanswer ok\n"
                                           "click btnStay\nwait 2000\n"
                                           "click btnStay\nwait 2000\n"
                                           "click btnStay\nwait 2000\n"
                                           "click btnStay\nwait 20000\n")),
              0);
    EXPECT_EQ(
        HandsAndBoxes(Between(scenario.Lines(), kQuestion, "tmrSplit")),
        (Lines{
            kQuestion,
            R"({"t":6000,"ev":"caption","control":"lblPlayer","value":"Hand #1"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Spades           \r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Spades           \r\nQueen of Spades\r\n"})",
            kQuestion,
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Spades           \r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Spades           \r\nJack of Spades\r\n"})",
            kQuestion,
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Spades           \r\n"})",
            R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Spades           \r\n10 of Spades\r\n"})",
            Refusal(6000, "You can only split 3 times."),
            R"({"t":7000,"ev":"caption","control":"lblPlayer","value":"Hand #2"})",
            R"({"t":7000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":7000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Diamonds         \r\n"})",
            R"({"t":8000,"ev":"text","control":"txtPlayer","value":"\r\nKing of Diamonds         \r\n2 of Spades\r\n"})",
            R"({"t":9000,"ev":"caption","control":"lblPlayer","value":"Hand #3"})",
            R"({"t":9000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":9000,"ev":"text","control":"txtPlayer","value":"\r\nQueen of Spades          \r\n"})",
            R"({"t":10000,"ev":"text","control":"txtPlayer","value":"\r\nQueen of Spades          \r\n3 of Spades\r\n"})",
            R"({"t":11000,"ev":"caption","control":"lblPlayer","value":"Hand #4"})",
            R"({"t":11000,"ev":"text","control":"txtPlayer","value":"\r\n"})",
            R"({"t":11000,"ev":"text","control":"txtPlayer","value":"\r\nJack of Spades           \r\n"})",
            R"({"t":12000,"ev":"text","control":"txtPlayer","value":"\r\nJack of Spades           \r\n4 of Spades\r\n"})",
        }));
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.SplitCount, 3);
    EXPECT_EQ(SplitCards(state.SplitHands[1]),
              (std::vector<std::string>{"King of Spades           ", "10 of Spades             "}));
    EXPECT_EQ(SplitCards(state.SplitHands[2]),
              (std::vector<std::string>{"King of Diamonds         ", "2 of Spades              "}));
    EXPECT_EQ(SplitCards(state.SplitHands[3]),
              (std::vector<std::string>{"Queen of Spades          ", "3 of Spades              "}));
    EXPECT_EQ(SplitCards(state.SplitHands[4]),
              (std::vector<std::string>{"Jack of Spades           ", "4 of Spades              "}));
    // The dealer's 5 drew to 23: every one of the four hands is paid.
    EXPECT_EQ(state.Stakes, 1400);
}

TEST(SplitPairs, EachSplitAceCountsElevenAndHitIsRefusedOnBothHands) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({1, 18, 14, 19, 13, 35, 23},
                                           "click btnSplit\nanswer yes\ndump\n"
                                           "click btnHit\nanswer ok\nclick btnStay\nwait 2000\n"
                                           "click btnHit\nanswer ok\nclick btnStay\nwait 10000\n")),
              0);
    const std::string dump = scenario.Events("state")[0];
    EXPECT_NE(dump.find(R"("SplitAces":true)"), std::string::npos);
    // Hand 1 holds its ace (11) and the king; hand 2 waits with its ace, worth 11.
    EXPECT_NE(dump.find(R"("PlayerCardValues":[0,11,10,0,)"), std::string::npos);
    const std::string oneAce = R"({"CardCount":1,"Total":11,"CardValues":[0,11,0,)";
    EXPECT_NE(dump.find(oneAce, dump.find(oneAce) + 1), std::string::npos);
    EXPECT_EQ(scenario.Events("msgbox"),
              (Lines{kQuestion, Refusal(6000, "You can not hit after splitting aces."),
                     Refusal(8000, "You can not hit after splitting aces.")}));
    // A refused hit plays no sound: the only hit sound is the dealer's.
    const Lines sounds = scenario.Events("sound");
    EXPECT_EQ(
        std::count(sounds.begin(), sounds.end(), R"({"t":12000,"ev":"sound","file":"\\hit.wav"})"),
        1);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(SplitCards(state.SplitHands[1]),
              (std::vector<std::string>{"Ace of Spades            ", "King of Spades           "}));
    EXPECT_EQ(SplitCards(state.SplitHands[2]),
              (std::vector<std::string>{"Ace of Diamonds          ", "9 of Clubs               "}));
}

TEST(SplitPairs, DoubleDownIsRefusedDuringASplit) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({8, 23, 21, 22, 2},
                                           "click btnSplit\nanswer yes\n"
                                           "click btnDouble\nanswer ok\n")),
              0);
    EXPECT_EQ(scenario.Events("msgbox").back(),
              Refusal(6000, "You can not double down after splitting."));
    EXPECT_EQ(scenario.LastGame().state.Bet, 100);
    EXPECT_EQ(scenario.LastGame().state.Stakes, 800);
}

// After a split the results frame gives the table its "Player" back, and a hit in the next hand
// is no longer refused for the aces split before.
TEST(SplitPairs, ClosingTheResultsEndsTheSplitForTheNextHand) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({1, 18, 14, 19, 13, 35, 23, 2, 24, 3, 25, 4},
                                           "click btnSplit\nanswer yes\nclick btnStay\nwait 2000\n"
                                           "click btnStay\nwait 10000\nclick btnSameBet\n"
                                           "wait 3000\nclick btnHit\n")),
              0);
    const Lines lines = Between(scenario.Lines(), R"({"t":18000,)");
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
              (Lines{
                  R"({"t":18000,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":18000,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":18000,"ev":"visible","control":"frameResults","value":false})",
                  R"({"t":18000,"ev":"caption","control":"lblPlayer","value":"Player"})",
              }));
    const GameState& state = scenario.LastGame().state;
    EXPECT_FALSE(state.SplitAces);
    EXPECT_FALSE(state.SplitInProgress);
    EXPECT_EQ(state.PlayerCardCount, 3);
}

// A new game begun in the middle of a split never reaches the results frame: the next deal
// names the table's hand "Player" again.
TEST(SplitPairs, ANewGameInTheMiddleOfASplitLeavesNoHandNumberBehind) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript({8, 23, 21, 22, 2},
                                           "click btnSplit\nanswer yes\n"
                                           "menu mnuGameNew\nanswer yes\nwait 3000\n"
                                           "click btnStakesOK\nclick btnBetOK\nwait 4000\n")),
              0);
    EXPECT_EQ(scenario.LastGame().GameScreen.lblPlayer.Caption(), "Player");
    EXPECT_FALSE(scenario.LastGame().state.SplitInProgress);
    EXPECT_EQ(scenario.LastGame().state.PlayerCardCount, 2);
}

}  // namespace
}  // namespace game::test
