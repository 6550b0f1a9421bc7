// The dealer's turn and the nine ways an ordinary hand is settled, with and without insurance
// (won when the dealer has a blackjack, lost otherwise): the results text, the stakes, the sound
// and the timer, then the results frame 100 ms later.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

struct SettlementCase {
    const char* name;
    std::vector<int> deck;  // player, dealer (face down), player, dealer, then the draws
    bool insurance;
    bool playerHits;
    int dealerDraws;
    // The whole results text, each line ending in "\r\n".
    std::string text;
    int stakes;  // after the hand, from $1000 and a bet of $100
    const char* sound;
    const char* timer;
};

void PrintTo(const SettlementCase& c, std::ostream* out) {
    *out << c.name;
}

const char* const kWin = "\\\\youwin.wav";
const char* const kLose = "\\\\youlose.wav";
const char* const kDraw = "\\\\draw.wav";

// Insurance reports of a $50 side bet.
const std::string kInsuranceWon = "You win $50 on an insurance bet.\r\n";
std::string InsuranceLost(const std::string& faceDown, const std::string& faceUp) {
    return "You lose $50 on an insurance bet.\r\nThe dealer has a " + faceDown + " and a " +
           faceUp + ".\r\n";
}

std::string Json(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string At(int t, const std::string& rest) {
    return R"({"t":)" + std::to_string(t) + R"(,"ev":)" + rest;
}

const std::vector<SettlementCase> kCases = {
    {"Row1DealerBustPlayerBlackJack",
     {1, 23, 13, 19, 26},
     false,
     false,
     1,
     "The King of Diamonds          put the dealer over 21. \r\n"
     "You have a Black Jack, so you win $200, which is 2 times the amount of your bet.\r\n"
     "The dealer's cards: \r\n10 of Diamonds\r\n6 of Diamonds\r\nKing of Diamonds\r\n"
     "The dealer's total is 26!\r\n",
     1200,
     kWin,
     "tmrPlayerWins"},
    {"Row1WithInsuranceLost",
     {1, 18, 13, 14, 23, 26},
     true,
     false,
     2,
     "The King of Diamonds          put the dealer over 21. \r\n"
     "You have a Black Jack, so you win $200, which is 2 times the amount of your bet.\r\n" +
         InsuranceLost("5 of Diamonds", "Ace of Diamonds") +
         "The dealer's cards: \r\n5 of Diamonds\r\nAce of Diamonds\r\n10 of Diamonds\r\n"
         "King of Diamonds\r\nThe dealer's total is 26!\r\n",
     1150,
     kWin,
     "tmrPlayerWins"},
    {"Row2DealerBust",
     {10, 23, 9, 19, 26},
     false,
     false,
     1,
     "The King of Diamonds          put the dealer over 21. \r\n"
     "You win $100, which is the amount of your bet.\r\n"
     "The dealer's cards: \r\n10 of Diamonds\r\n6 of Diamonds\r\nKing of Diamonds\r\n"
     "The dealer's total is 26!\r\n",
     1100,
     kWin,
     "tmrPlayerWins"},
    {"Row2WithInsuranceLost",
     {10, 18, 9, 14, 23, 26},
     true,
     false,
     2,
     "The King of Diamonds          put the dealer over 21. \r\n"
     "You win $100, which is the amount of your bet.\r\n" +
         InsuranceLost("5 of Diamonds", "Ace of Diamonds") +
         "The dealer's cards: \r\n5 of Diamonds\r\nAce of Diamonds\r\n10 of Diamonds\r\n"
         "King of Diamonds\r\nThe dealer's total is 26!\r\n",
     1050,
     kWin,
     "tmrPlayerWins"},
    {"Row3BothBlackJack",
     {1, 23, 13, 14},
     false,
     false,
     0,
     "This game was a draw!\r\nYou and the dealer both have a Black Jack!\r\n"
     "You do not lose any money, your bet will return to your stakes!\r\n"
     "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n"
     "Dealer's cards: \r\n10 of Diamonds\r\nAce of Diamonds\r\n",
     1000,
     kDraw,
     "tmrDraw"},
    {"Row3WithInsuranceWon",
     {1, 23, 13, 14},
     true,
     false,
     0,
     "This game was a draw!\r\nYou and the dealer both have a Black Jack!\r\n"
     "You do not lose any money, your bet will return to your stakes!\r\n" +
         kInsuranceWon +
         "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n"
         "Dealer's cards: \r\n10 of Diamonds\r\nAce of Diamonds\r\n",
     1050,
     kDraw,
     "tmrDraw"},
    {"Row4PlayerBlackJackAgainst21",
     {1, 18, 13, 19, 23},
     false,
     false,
     1,
     "You win because you have a Black Jack and the dealer does not!\r\n"
     "You and the dealer both have 21, but your Black Jack wins.\r\n"
     "You win $200 which is 2 times your bet.\r\n"
     "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n"
     "Dealer's cards: \r\n5 of Diamonds\r\n6 of Diamonds\r\n10 of Diamonds\r\n",
     1200,
     kWin,
     "tmrPlayerWins"},
    {"Row4WithInsuranceLost",
     {1, 18, 13, 14, 44},
     true,
     false,
     1,
     "You win because you have a Black Jack and the dealer does not!\r\n"
     "You and the dealer both have 21, but your Black Jack wins.\r\n"
     "You win $200 which is 2 times your bet.\r\n" +
         InsuranceLost("5 of Diamonds", "Ace of Diamonds") +
         "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n"
         "Dealer's cards: \r\n5 of Diamonds\r\nAce of Diamonds\r\n5 of Hearts\r\n",
     1150,
     kWin,
     "tmrPlayerWins"},
    {"Row5DealerBlackJackAgainst21",
     {5, 14, 6, 26, 10},
     false,
     true,
     0,
     "You lose because the dealer has a Black Jack and you do not!\r\n"
     "You and the dealer both have 21, but the dealer's Black Jack wins.\r\n"
     "You lose $100 which is the amount you bet.\r\n"
     "Your cards: \r\n5 of Spades\r\n6 of Spades\r\n10 of Spades\r\n"
     "Dealer's cards: \r\nAce of Diamonds\r\nKing of Diamonds\r\n",
     900,
     kLose,
     "tmrDealerWins"},
    {"Row5WithInsuranceWon",
     {5, 26, 6, 14, 10},
     true,
     true,
     0,
     "You lose because the dealer has a Black Jack and you do not!\r\n"
     "You and the dealer both have 21, but the dealer's Black Jack wins.\r\n"
     "You lose $100 which is the amount you bet.\r\n" +
         kInsuranceWon +
         "Your cards: \r\n5 of Spades\r\n6 of Spades\r\n10 of Spades\r\n"
         "Dealer's cards: \r\nKing of Diamonds\r\nAce of Diamonds\r\n",
     950,
     kLose,
     "tmrDealerWins"},
    {"Row6EqualTotals",
     {10, 23, 8, 21},
     false,
     false,
     0,
     "This game was a draw!\r\nYou and the dealer both have 18!\r\n"
     "You do not lose any money, your bet will return to your stakes!\r\n"
     "Your cards: \r\n10 of Spades\r\n8 of Spades\r\n"
     "Dealer's cards: \r\n10 of Diamonds\r\n8 of Diamonds\r\n",
     1000,
     kDraw,
     "tmrDraw"},
    {"Row6WithInsuranceLost",
     {10, 20, 8, 14},
     true,
     false,
     0,
     "This game was a draw!\r\nYou and the dealer both have 18!\r\n"
     "You do not lose any money, your bet will return to your stakes!\r\n" +
         InsuranceLost("7 of Diamonds", "Ace of Diamonds") +
         "Your cards: \r\n10 of Spades\r\n8 of Spades\r\n"
         "Dealer's cards: \r\n7 of Diamonds\r\nAce of Diamonds\r\n",
     950,
     kDraw,
     "tmrDraw"},
    {"Row7PlayerBlackJackHigher",
     {1, 23, 13, 26},
     false,
     false,
     0,
     "Since you have a Black Jack, you win \r\n$200 which is 2 times your bet.\r\n"
     "Your score was 21!\r\nThe dealer's score was 20!\r\n"
     "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n"
     "Dealer's cards: \r\n10 of Diamonds\r\nKing of Diamonds\r\n",
     1200,
     kWin,
     "tmrPlayerWins"},
    {"Row7WithInsuranceLost",
     {1, 22, 13, 14},
     true,
     false,
     0,
     "Since you have a Black Jack, you win \r\n$200 which is 2 times your bet.\r\n" +
         InsuranceLost("9 of Diamonds", "Ace of Diamonds") +
         "Your score was 21!\r\nThe dealer's score was 20!\r\n"
         "Your cards: \r\nAce of Spades\r\nKing of Spades\r\n"
         "Dealer's cards: \r\n9 of Diamonds\r\nAce of Diamonds\r\n",
     1150,
     kWin,
     "tmrPlayerWins"},
    {"Row8PlayerHigher",
     {10, 23, 13, 22},
     false,
     false,
     0,
     "You win $100 which is the amount of your bet.\r\n"
     "Your score was 20!\r\nThe dealer's score was 19!\r\n"
     "Your cards: \r\n10 of Spades\r\nKing of Spades\r\n"
     "Dealer's cards: \r\n10 of Diamonds\r\n9 of Diamonds\r\n",
     1100,
     kWin,
     "tmrPlayerWins"},
    {"Row8WithInsuranceLost",
     {10, 20, 13, 14},
     true,
     false,
     0,
     "You win $100 which is the amount of your bet.\r\n" +
         InsuranceLost("7 of Diamonds", "Ace of Diamonds") +
         "Your score was 20!\r\nThe dealer's score was 18!\r\n"
         "Your cards: \r\n10 of Spades\r\nKing of Spades\r\n"
         "Dealer's cards: \r\n7 of Diamonds\r\nAce of Diamonds\r\n",
     1050,
     kWin,
     "tmrPlayerWins"},
    {"Row9PlayerLower",
     {10, 23, 8, 26},
     false,
     false,
     0,
     "You Lose $100 which is the amount of your bet.\r\n"
     "Your score was 18!\r\nThe dealer's score was 20!\r\n"
     "Your cards: \r\n10 of Spades\r\n8 of Spades\r\n"
     "Dealer's cards: \r\n10 of Diamonds\r\nKing of Diamonds\r\n",
     900,
     kLose,
     "tmrDealerWins"},
    {"Row9WithInsuranceLost",
     {10, 22, 8, 14},
     true,
     false,
     0,
     "You Lose $100 which is the amount of your bet.\r\n" +
         InsuranceLost("9 of Diamonds", "Ace of Diamonds") +
         "Your score was 18!\r\nThe dealer's score was 20!\r\n"
         "Your cards: \r\n10 of Spades\r\n8 of Spades\r\n"
         "Dealer's cards: \r\n9 of Diamonds\r\nAce of Diamonds\r\n",
     850,
     kLose,
     "tmrDealerWins"},
};

class Settlement : public ::testing::TestWithParam<SettlementCase> {};

TEST_P(Settlement, PaysShowsAndOpensTheResults) {
    const SettlementCase& c = GetParam();
    std::string play;
    if (c.insurance) {
        play += "click btnInsurance\nanswer yes\n";
    }
    if (c.playerHits) {
        play += "click btnHit\n";
    }
    play += "click btnStay\nwait 20000\n";
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(c.deck, play)), 0);
    const Lines& lines = scenario.Lines();

    // The dealer's turn: its two cards at 7000, then one draw every 2.5 s from 9000.
    const std::size_t stay = IndexOf(lines, R"("text":"The player stays. ")");
    ASSERT_LT(stay, lines.size());
    EXPECT_EQ(lines[stay + 1].substr(0, 11), R"({"t":7000,")");
    const bool dealerBusts = c.text.find("put the dealer over 21") != std::string::npos;
    const int settledAt = 9000 + 2500 * c.dealerDraws + (dealerBusts ? 0 : 1500);
    // Before the settlement: the last draw announced, or the dealer standing.
    const std::string before =
        dealerBusts
            ? At(settledAt - 1500,
                 R"("speak","reader":"JFW","text":"The dealer drew the King of Diamonds         "})")
            : At(settledAt - 1500, R"("speak","reader":"JFW","text":"The Dealer stays. "})");
    const std::size_t from = IndexOf(lines, before, stay);
    ASSERT_LT(from, lines.size()) << before;

    Lines expected;
    const int stakesShown = c.insurance ? 850 : 900;
    if (c.stakes != stakesShown) {
        expected.push_back(At(settledAt, R"("caption","control":"lblStakes","value":"Stakes=$)" +
                                             std::to_string(c.stakes) + R"("})"));
    }
    expected.push_back(At(settledAt, R"("visible","control":"lblBet","value":false})"));
    expected.push_back(At(settledAt, R"("sound","file":")" + std::string(c.sound) + R"("})"));
    expected.push_back(
        At(settledAt, R"("timer","name":")" + std::string(c.timer) + R"(","enabled":true})"));
    const int opens = settledAt + 100;
    expected.push_back(
        At(opens, R"("timer","name":")" + std::string(c.timer) + R"(","enabled":false})"));
    expected.push_back(At(opens, R"("text","control":"txtPlayer","value":"\r\n"})"));
    expected.push_back(At(opens, R"("text","control":"txtDealer","value":"\r\n"})"));
    expected.push_back(At(opens, R"("visible","control":"frameGameScreen","value":false})"));
    expected.push_back(At(opens, R"("visible","control":"frameResults","value":true})"));
    expected.push_back(
        At(opens, R"("text","control":"txtResults","value":")" + Json(c.text + "\r\n") + R"("})"));
    expected.push_back(At(opens, R"("focus","control":"txtResults"})"));
    expected.push_back(At(opens, R"("stopspeech","reader":"JFW"})"));
    expected.push_back(
        At(opens + 1000, R"("speak","reader":"JFW","text":")" + Json(c.text) + R"("})"));
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(from) + 1, lines.end()), expected);

    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.Stakes, c.stakes);
    EXPECT_EQ(state.ResultsText, c.text);
    EXPECT_FALSE(state.GameInProgress);
    EXPECT_EQ(state.Bet, 100);
}

INSTANTIATE_TEST_SUITE_P(Rows, Settlement, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace game::test
