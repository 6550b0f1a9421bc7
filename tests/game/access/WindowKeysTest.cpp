// The keys of the stakes and bet lists and of the results frame, the focus announcements under
// each reader, and the main window's own keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/access/SpokenHelp.h"
#include "game/shell/Game.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {
namespace {

constexpr const char* kBeginGameOver = R"("ev":"timer","name":"tmrBeginGame","enabled":false)";

// One StopSpeech and the sentences, at `t`.
Lines HelpLines(int t, const std::string& reader, std::span<const std::string_view> sentences) {
    Lines lines{R"({"t":)" + std::to_string(t) + R"(,"ev":"stopspeech","reader":")" + reader +
                R"("})"};
    for (const std::string_view sentence : sentences) {
        lines.push_back(SpeakLine(t, reader, sentence));
    }
    return lines;
}

TEST(WindowKeys, TheStakesListHasNoStakesToTellAndHelpsWithF2) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "key F3\nkey F2\n"), 0);
    const Lines after = Between(scenario.Lines(), kBeginGameOver);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(
        Lines(after.begin() + 1, after.end()),
        Concat(
            {
                R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
                R"({"t":2000,"ev":"speak","reader":"JFW","text":"This information is not available in this window. "})",
            },
            HelpLines(2000, "JFW", kStakesListHelp)));
    EXPECT_EQ(
        Lines(after.end() - 2, after.end()),
        (Lines{
            R"({"t":2000,"ev":"speak","reader":"JFW","text":"Your stakes is the amount of money you will have to play with during this game. "})",
            R"({"t":2000,"ev":"speak","reader":"JFW","text":"Use the up and down arrow keys to move to the amount you want to start with, and press enter on it. "})",
        }));
}

TEST(WindowKeys, EnterInTheStakesListOpensTheBetListWhereF3TellsTheStakes) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "key Down Enter\nkey F3\nkey F2\n"), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"("ev":"focus","control":"lstBet")"),
              Concat(
                  {
                      R"({"t":2000,"ev":"focus","control":"lstBet"})",
                      R"({"t":2000,"ev":"stopspeech","reader":"JFW"})",
                      R"({"t":2000,"ev":"speak","reader":"JFW","text":"Stakes = $2000"})",
                  },
                  HelpLines(2000, "JFW", kBetListHelp)));
    EXPECT_EQ(
        SpeakLine(2000, "JFW", kBetListHelp[0]),
        R"({"t":2000,"ev":"speak","reader":"JFW","text":"This is the bet list box, where you choose the amount you want to bet for this hand of black jack. "})");
}

TEST(WindowKeys, EnterInTheBetListBetsAndDeals) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, StartScript(kStandingHand) + "key Enter\nkey Down Enter\nwait 3000\n"),
        0);
    const GameState& state = scenario.LastGame().state;
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(state.Bet, 150);
    EXPECT_EQ(state.Stakes, 850);
    EXPECT_EQ(state.PlayerCardCount, 2);
}

// The speech of a game started under `reader`: stakes and bet chosen with Enter, the deal, then
// Tab from the player's cards to the dealer's.
Lines SpeechToTheDealersCards(Scenario& scenario, const std::string& reader) {
    EXPECT_EQ(RunGame(scenario, "setting Ventrelle StartUp Reader \"" + reader +
                                    "\"\ndeck 10 23 8 26\nstart\nwait 2000\nkey Enter\nkey Enter\n"
                                    "wait 4000\nkey Tab\n"),
              0);
    Lines speech = scenario.Events("speak");
    speech.erase(speech.begin());  // "Press f2 for help. "
    return speech;
}

TEST(WindowKeys, UnderJawsTheCardsAreReadASecondAfterTheyGetTheFocus) {
    Scenario scenario;
    EXPECT_EQ(SpeechToTheDealersCards(scenario, "JFW"),
              (Lines{
                  R"({"t":3500,"ev":"speak","reader":"JFW","text":" you drew the 10 of Spades"})",
                  R"({"t":3500,"ev":"speak","reader":"JFW","text":" you drew the 8 of Spades"})",
                  R"({"t":3500,"ev":"speak","reader":"JFW","text":" your cards "})",
                  R"({"t":4500,"ev":"speak","reader":"JFW","text":"Your cards "})",
                  R"({"t":4500,"ev":"speak","reader":"JFW","text":"10 of Spades             "})",
                  R"({"t":4500,"ev":"speak","reader":"JFW","text":"8 of Spades              "})",
                  R"({"t":6000,"ev":"speak","reader":"JFW","text":" dealers cards "})",
              }));
    EXPECT_EQ(scenario.Events("focus").back(), R"({"t":6000,"ev":"focus","control":"txtDealer"})");
}

TEST(WindowKeys, UnderWindowEyesTheListsAreNamedAndTheCardsNotRead) {
    Scenario scenario;
    EXPECT_EQ(SpeechToTheDealersCards(scenario, "WE"),
              (Lines{
                  R"({"t":2000,"ev":"speak","reader":"WE","text":" stakes list box "})",
                  R"({"t":2000,"ev":"speak","reader":"WE","text":" bet list box "})",
                  R"({"t":3500,"ev":"speak","reader":"WE","text":" you drew the 10 of Spades"})",
                  R"({"t":3500,"ev":"speak","reader":"WE","text":" you drew the 8 of Spades"})",
                  R"({"t":3500,"ev":"speak","reader":"WE","text":" your cards "})",
                  R"({"t":6000,"ev":"speak","reader":"WE","text":" dealers cards "})",
              }));
}

// kStandingHand played to its results under `reader` (stay at 6000 ms; the results are up by
// 12000 ms), then `next`.
int ToTheResults(Scenario& scenario, const std::string& reader, const std::string& next) {
    return RunGame(scenario,
                   KeysScript(reader, kStandingHand, "click btnStay\nwait 6000\n" + next));
}

TEST(WindowKeys, TheResultsTextHelpsAndEnterDealsTheNextHandWithTheSameBet) {
    Scenario scenario;
    ASSERT_EQ(ToTheResults(scenario, "WE", "key F2\nkey Enter\nwait 3000\n"), 0);
    const Lines& lines = scenario.Lines();
    const std::size_t help = IndexOf(lines, R"("text":"This is the results text box. ")");
    ASSERT_LT(help, lines.size());
    EXPECT_EQ(Lines(lines.begin() + static_cast<std::ptrdiff_t>(help) - 1,
                    lines.begin() + static_cast<std::ptrdiff_t>(help) + 4),
              HelpLines(12000, "WE", kResultsTextHelp));
    EXPECT_EQ(
        lines[help + 3],
        R"({"t":12000,"ev":"speak","reader":"WE","text":"Pressing the enter key while in this box is the same as pressing enter on the Same Bet button. "})");
    EXPECT_LT(IndexOf(lines, R"("control":"frameResults","value":false)", help), lines.size());
    const GameState& state = scenario.LastGame().state;
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_EQ(state.Bet, 100);
    EXPECT_EQ(state.Stakes, 800);
}

TEST(WindowKeys, EachResultsButtonSpeaksItsHelp) {
    Scenario scenario;
    ASSERT_EQ(ToTheResults(scenario, "JFW",
                           "focus btnSameBet\nkey F2\nfocus btnNewBet\nkey F2\n"
                           "focus btnExitGame\nkey F2 F3 Enter\n"),
              0);
    Lines expected;
    for (const auto& [button, help] :
         {std::pair<std::string, std::span<const std::string_view>>{"btnSameBet", kSameBetHelp},
          {"btnNewBet", kNewBetHelp},
          {"btnExitGame", kExitGameHelp}}) {
        expected.push_back(R"({"t":12000,"ev":"focus","control":")" + button + R"("})");
        expected = Concat(expected, HelpLines(12000, "JFW", help));
    }
    // Enter on Exit Game presses it.
    expected.push_back(R"({"t":12000,"ev":"stopspeech","reader":"JFW"})");
    expected.push_back(R"({"t":12000,"ev":"end"})");
    EXPECT_EQ(Between(scenario.Lines(), R"("focus","control":"btnSameBet")"), expected);
    EXPECT_EQ(
        expected[4],
        R"({"t":12000,"ev":"speak","reader":"JFW","text":"Your bet will be the same amount you originally chose from the bet window. "})");
    EXPECT_EQ(
        expected[8],
        R"({"t":12000,"ev":"speak","reader":"JFW","text":"Press enter on this button to open the bet window so you can change your bet amount. "})");
    EXPECT_EQ(
        expected[12],
        R"({"t":12000,"ev":"speak","reader":"JFW","text":"Press enter on this button to exit the game. "})");
}

TEST(WindowKeys, UnderJawsTabbingAwayWithinTheSecondLeavesTheCardsUnread) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"JFW\"\ndeck 10 23 8 26\n"
                      "start\nwait 2000\nkey Enter\nkey Enter\nwait 1600\nkey Tab\n"
                      "wait 3000\n"),
              0);
    Lines speech = scenario.Events("speak");
    EXPECT_EQ(Lines(speech.end() - 2, speech.end()),
              (Lines{
                  R"({"t":3500,"ev":"speak","reader":"JFW","text":" your cards "})",
                  R"({"t":3600,"ev":"speak","reader":"JFW","text":" dealers cards "})",
              }));
}

TEST(WindowKeys, UnderJawsOnlyTheLatestArrivalOfTheFocusReadsTheCardsAndOnlyDuringTheHand) {
    Scenario scenario;
    // A pair of 8s split: each hand gets the focus and is stayed on within that second.
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", {8, 23, 21, 34, 2, 13, 22},
                                           "click btnSplit\nanswer yes\nkey PageDown\nwait 2000\n"
                                           "key PageDown\nwait 10000\n")),
              0);
    const Lines& lines = scenario.Lines();
    EXPECT_EQ(IndexOf(lines, "Can't read player cards"), lines.size());
    // The deal's arrival read the cards at 4500 ms; the split hands' arrivals read nothing.
    EXPECT_EQ(IndexOf(lines, R"("text":"Your cards ")", IndexOf(lines, R"({"t":6000,)")),
              lines.size());
    EXPECT_LT(IndexOf(lines, R"("control":"frameResults","value":true)"), lines.size());
}

TEST(WindowKeys, TheWindowsOwnKeysDoNothing) {
    Scenario scenario;
    // Before the stakes list opens no control has the focus.
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"JFW\"\nstart\n"
                      "key F2 F3 Enter Space G PageUp\ndump\n"),
              0);
    EXPECT_TRUE(scenario.Events("speak").empty());
    EXPECT_NE(scenario.Events("state").back().find(R"("frame":"","focus":"")"), std::string::npos);
}

}  // namespace
}  // namespace game::test
