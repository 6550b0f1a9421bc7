// The `dump` of the game state: every variable by its name, arrays as arrays, card names with
// their trailing spaces, as the program starts.
#include <gtest/gtest.h>

#include <string>

#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

std::string Repeat(const std::string& item, int count) {
    std::string list;
    for (int i = 0; i < count; ++i) {
        list += (i == 0 ? "" : ",") + item;
    }
    return "[" + list + "]";
}

TEST(StateDump, ShowsEveryVariableWithItsInitialValue) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("dump\n"), 0);
    const std::string blankName = "\"" + std::string(25, ' ') + "\"";
    const std::string splitHand = R"({"CardCount":0,"Total":0,"CardValues":)" + Repeat("0", 16) +
                                  R"(,"CardNames":)" + Repeat(R"("")", 16) +
                                  R"(,"Outcome":0,"ResultText":""})";
    const std::string expected =
        R"({"t":0,"ev":"state","Stakes":0,"Bet":0,"BetListIndex":0,"BetBeforeDouble":0,)"
        R"("InsuranceBet":0,"PlayerCardValues":)" +
        Repeat("0", 21) + R"(,"PlayerCardNames":)" + Repeat(blankName, 21) +
        R"(,"PlayerCardCount":0,"PlayerTotal":0,"DealerCardValues":)" + Repeat("0", 21) +
        R"(,"DealerCardNames":)" + Repeat(blankName, 21) +
        R"(,"DealerCardCount":0,"DealerTotal":0,"Deck":)" + Repeat("0", 53) +
        R"(,"DealPosition":0,"ShuffleNeeded":false,"GameInProgress":false,)"
        R"("InsuranceAvailable":false,"InsuranceTaken":false,"DoubledDown":false,)"
        R"("PlayerWinsText":"","DealerWinsText":"","DrawText":"","ResultsText":"",)"
        R"("NextHandChoice":0,"SplitHands":)" +
        Repeat(splitHand, 6) +
        R"(,"SplitHandIndex":0,"SplitInProgress":false,"SplitCount":0,"SplitAces":false,)"
        R"("ScreenReader":"","WESpeech":false,"frame":"","focus":""})";
    EXPECT_EQ(scenario.Lines(), std::vector<std::string>{expected});
}

TEST(StateDump, ShowsCardNamesWithTheirTrailingSpaces) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("start\ndump\n",
                           [](Game& game) {
                               game.state.PlayerCardNames[1] = "Ace of Spades";
                               game.state.Stakes = 850;
                           }),
              0);
    const std::string state = scenario.Events("state").at(0);
    EXPECT_NE(state.find(
                  R"("PlayerCardNames":["                         ","Ace of Spades            ",)"),
              std::string::npos);
    EXPECT_NE(state.find(R"("Stakes":850,)"), std::string::npos);
}

}  // namespace
}  // namespace game::test
