// The coach: what F8 says at the table (first and second press) and in the stakes and bet
// windows, the warning after a costly play with the option on and off, the option kept in the
// settings store, the record of the cards seen, and the texts' cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/access/CoachTexts.h"
#include "game/cards/Deck.h"
#include "game/cards/SeenCards.h"
#include "game/shell/Game.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {
namespace {

constexpr const char* kF8 = "key 119\n";
const std::string kWarnsOn = "setting Ventrelle Coach Warns \"1\"\n";

// The player holds the 10 and 6 of spades (16), the dealer the 10 of diamonds face down and the
// 7 of diamonds face up; a hit brings the 2 of spades, the dealer then has 17 and stands.
const std::vector<int> kSixteenAgainstSeven = {10, 23, 6, 20, 2};

// The texts spoken, in order.
Lines Spoken(const Scenario& scenario) {
    Lines texts;
    for (const std::string& line : scenario.Events("speak")) {
        const std::size_t start = line.find(R"("text":")") + 8;
        texts.push_back(line.substr(start, line.size() - start - 2));
    }
    return texts;
}

Lines Without(Lines lines, const std::string& marker) {
    std::erase_if(lines,
                  [&](const std::string& line) { return line.find(marker) != std::string::npos; });
    return lines;
}

std::vector<Int16> Sorted(std::vector<Int16> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}

TEST(Coach, F8SpeaksTheBestPlayThenTheFiguresOfEveryPlay) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand,
                                           std::string(kF8) + kF8 + kF8 + "wait 100\n")),
              0);
    const Lines lines = Between(scenario.Lines(), R"({"t":6000,)");
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0], R"({"t":6000,"ev":"stopspeech","reader":"JFW"})");
    EXPECT_EQ(lines[1],
              SpeakLine(6000, "JFW", "Best: stay. Stay loses 43 cents a dollar less than hit."));
    EXPECT_EQ(lines[3], SpeakLine(6000, "JFW",
                                  "Stay loses 22 cents a dollar. Hit loses 65 cents a dollar. "
                                  "Double down loses 131 cents a dollar."));
    // A third press starts again with the best play.
    EXPECT_EQ(lines[5], lines[1]);
}

TEST(Coach, TheFiguresGiveInsuranceWhileItIsOffered) {
    // The dealer shows the ace of diamonds (14) over the 9 of diamonds (22).
    const std::vector<int> aceUp = {10, 22, 8, 14};
    const std::string twice = std::string(kF8) + kF8;
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(aceUp, twice + "click btnInsurance\nanswer yes\n" +
                                                      twice + "key PageDown\nwait 4000\n")),
              0);
    const Lines spoken = Spoken(scenario);
    const std::size_t figures = IndexOf(spoken, "Best: ") + 1;
    ASSERT_LT(figures + 2, spoken.size());
    EXPECT_EQ(spoken[figures],
              "Stay loses 36 cents a dollar. Hit loses 75 cents a dollar. Double "
              "down loses 149 cents a dollar. Insurance loses 19 cents a dollar.");
    // Taken, it is offered no more; the face-down card is seen once the hand is told.
    EXPECT_EQ(spoken[figures + 2],
              "Stay loses 36 cents a dollar. Hit loses 75 cents a dollar. "
              "Double down loses 149 cents a dollar.");
    EXPECT_EQ(Sorted(scenario.LastGame().state.Coach.SeenCards),
              (std::vector<Int16>{8, 10, 14, 22}));
}

TEST(Coach, F8OnTheDealersCardsGivesTheSameHint) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "key Tab\n" + std::string(kF8))),
              0);
    EXPECT_EQ(Spoken(scenario).back(), "Best: stay. Stay loses 43 cents a dollar less than hit.");
}

TEST(Coach, F8NeverChangesTheGameOrWhatItSays) {
    Scenario plain;
    ASSERT_EQ(RunGame(plain, KeysScript("JFW", kSixteenAgainstSeven, "key PageUp\nwait 3000\n")),
              0);
    Scenario coached;
    ASSERT_EQ(RunGame(coached, KeysScript("JFW", kSixteenAgainstSeven,
                                          std::string(kF8) + "key PageUp\n" + kF8 + "wait 3000\n")),
              0);
    // Each F8 adds its stop and its one sentence, and nothing else.
    Lines withoutHints = coached.Lines();
    for (std::size_t at = 0; at < withoutHints.size();) {
        if (withoutHints[at].find(R"("text":"Best: )") != std::string::npos) {
            ASSERT_EQ(withoutHints[at - 1], R"({"t":6000,"ev":"stopspeech","reader":"JFW"})");
            withoutHints.erase(withoutHints.begin() + static_cast<std::ptrdiff_t>(at) - 1,
                               withoutHints.begin() + static_cast<std::ptrdiff_t>(at) + 1);
            --at;
        } else {
            ++at;
        }
    }
    EXPECT_EQ(withoutHints.size() + 4, coached.Lines().size());
    EXPECT_EQ(withoutHints, plain.Lines());
    EXPECT_EQ(coached.LastGame().state.Stakes, plain.LastGame().state.Stakes);
}

TEST(Coach, F8OutsideThePlayersTurnSaysSo) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kBustingHand, "key PageUp\n" + std::string(kF8))),
              0);
    EXPECT_EQ(Spoken(scenario).back(), "The coach can weigh your plays when it is your turn. ");
}

TEST(Coach, F8InTheStakesAndBetWindowsSpeaksTheNextHandsWorth) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"JFW\"\ndeck 10 23 8 26 1 2\n"
                      "start\nwait 2000\nkey 119\nclick btnStakesOK\nkey 119\n"
                      "click btnBetOK\nwait 4000\nkey PageDown\nwait 6000\n"
                      "click btnNewBet\nkey 119\n"),
              0);
    const std::string fullDeck =
        "Played at its best, the next hand wins 3.8 cents a dollar on average.";
    const Lines spoken = Spoken(scenario);
    EXPECT_EQ(std::count(spoken.begin(), spoken.end(), fullDeck), 2);
    // Four cards seen, two of them tens: the next hand is worth less to the player.
    EXPECT_EQ(spoken.back(),
              "Played at its best, the next hand wins 3.1 cents a dollar on average.");
}

TEST(Coach, TheWarningFollowsTheCostlyPlaysFirstWordsAndChangesNothingElse) {
    const std::string stay = "key PageDown\nwait 3000\n";
    Scenario silent;
    ASSERT_EQ(RunGame(silent, KeysScript("JFW", kSixteenAgainstSeven, stay)), 0);
    EXPECT_EQ(Without(silent.Lines(), "Coach:"), silent.Lines());

    Scenario warned;
    ASSERT_EQ(RunGame(warned, kWarnsOn + KeysScript("JFW", kSixteenAgainstSeven, stay)), 0);
    const std::size_t stays = IndexOf(warned.Lines(), "The player stays. ");
    ASSERT_LT(stays + 1, warned.Lines().size());
    EXPECT_EQ(warned.Lines()[stays + 1],
              SpeakLine(6000, "JFW",
                        "Coach: hit was better. It loses 11 cents a dollar less than stay."));
    EXPECT_EQ(Without(warned.Lines(), "Coach:"), silent.Lines());
    EXPECT_EQ(warned.LastGame().state.Stakes, silent.LastGame().state.Stakes);
}

TEST(Coach, TheBestPlayAndARefusedPlayAreNeverWarned) {
    Scenario scenario;
    // Hit is best; the split is refused (no pair).
    ASSERT_EQ(
        RunGame(scenario, kWarnsOn + KeysScript("JFW", kSixteenAgainstSeven,
                                                "key Right\nanswer ok\nkey PageUp\nwait 3000\n")),
        0);
    EXPECT_EQ(Without(scenario.Lines(), "Coach:"), scenario.Lines());
}

TEST(Coach, TheOptionIsSwitchedByItsMenuItemAndKept) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "menu mnuOptionsCoachWarns\n")),
              0);
    EXPECT_TRUE(scenario.LastGame().state.Coach.Warns);
    EXPECT_EQ(scenario.LastGame().GameScreen.mnuOptionsCoachWarns.Mark(), ui::CheckMark::On);
    EXPECT_EQ(
        scenario.Events("setting").back(),
        R"({"t":6000,"ev":"setting","app":"Ventrelle","section":"Coach","key":"Warns","value":"1"})");
    EXPECT_EQ(Spoken(scenario).back(), "The coach will warn you of a costly play. ");

    // The store keeps it for the next start; the item switches it off again.
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "")), 0);
    EXPECT_TRUE(scenario.LastGame().state.Coach.Warns);
    EXPECT_EQ(scenario.LastGame().GameScreen.mnuOptionsCoachWarns.Mark(), ui::CheckMark::On);
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "menu mnuOptionsCoachWarns\n")),
              0);
    EXPECT_FALSE(scenario.LastGame().state.Coach.Warns);
    EXPECT_EQ(scenario.LastGame().GameScreen.mnuOptionsCoachWarns.Mark(), ui::CheckMark::Off);
    EXPECT_EQ(Spoken(scenario).back(), "The coach will not warn you. ");

    Scenario fresh;
    ASSERT_EQ(RunGame(fresh, KeysScript("JFW", kStandingHand, "")), 0);
    EXPECT_FALSE(fresh.LastGame().state.Coach.Warns);
    EXPECT_EQ(fresh.LastGame().GameScreen.mnuOptionsCoachWarns.Mark(), ui::CheckMark::Off);
}

TEST(SeenCards, HoldTheCardsFaceUpUntilTheFaceDownCardIsTold) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "")), 0);
    // The 10 of diamonds (23) lies face down.
    EXPECT_EQ(Sorted(scenario.LastGame().state.Coach.SeenCards), (std::vector<Int16>{8, 10, 26}));

    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "key PageDown\nwait 3000\n")), 0);
    GameState& state = scenario.LastGame().state;
    EXPECT_EQ(Sorted(state.Coach.SeenCards), (std::vector<Int16>{8, 10, 23, 26}));
    EXPECT_EQ(SeenCardValues(state).size(), 4U);
    ShuffleDeck(scenario.LastGame());
    EXPECT_TRUE(state.Coach.SeenCards.empty());
}

TEST(SeenCards, ADeckShuffledAroundTheTableKeepsOnlyTheCardsOnIt) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "")), 0);
    GameState& state = scenario.LastGame().state;
    NoteCardSeen(state, 8);
    KeepSeenCardsOnTable(state, {10, 23, 26});
    EXPECT_EQ(Sorted(state.Coach.SeenCards), (std::vector<Int16>{10, 26}));
}

coach::PlayValues Values(double stay, std::optional<double> hit, std::optional<double> doubleDown,
                         std::optional<double> insurance = std::nullopt) {
    coach::PlayValues values;
    values.stay = stay;
    values.hit = hit;
    values.doubleDown = doubleDown;
    values.insurance = insurance;
    return values;
}

TEST(CoachTexts, SayTheBestPlayInEachCase) {
    EXPECT_EQ(BestPlayText(Values(0.10, 0.06, std::nullopt)),
              "Best: stay. Stay wins 4 cents a dollar more than hit.");
    EXPECT_EQ(BestPlayText(Values(-0.20, -0.16, -0.32)),
              "Best: hit. Hit loses 4 cents a dollar less than stay.");
    EXPECT_EQ(BestPlayText(Values(-0.20, -0.201, -0.5)),
              "Best: stay or hit, equal to the cent: each loses 20 cents a dollar.");
    EXPECT_EQ(BestPlayText(Values(0.31, std::nullopt, std::nullopt)),
              "Only stay is open: it wins 31 cents a dollar.");
    EXPECT_EQ(BestPlayText(Values(0.0, 0.011, std::nullopt, 0.05)),
              "Best: hit. Hit wins 1 cent a dollar more than stay. Take insurance: it wins 5 cents "
              "a dollar.");
    EXPECT_EQ(BestPlayText(Values(0.5, 0.2, std::nullopt, -0.1)),
              "Best: stay. Stay wins 30 cents a dollar more than hit.");
}

TEST(CoachTexts, GiveEveryFigureBestFirst) {
    EXPECT_EQ(FiguresText(Values(-0.17, 0.02, -0.42, -0.08)),
              "Hit wins 2 cents a dollar. Stay loses 17 cents a dollar. Double down loses 42 "
              "cents a dollar. Insurance loses 8 cents a dollar.");
    EXPECT_EQ(FiguresText(Values(0.001, std::nullopt, std::nullopt)), "Stay breaks even.");
}

TEST(CoachTexts, WarnOnlyAboveTwoCentsADollar) {
    const coach::PlayValues values = Values(-0.20, -0.15, -0.165);
    EXPECT_EQ(WarningText(values, coach::Play::Stay),
              "Coach: hit was better. It loses 5 cents a dollar less than stay.");
    EXPECT_EQ(WarningText(values, coach::Play::DoubleDown), "");
    EXPECT_EQ(WarningText(values, coach::Play::Hit), "");
    EXPECT_EQ(WarningText(values, coach::Play::Split), "");
}

TEST(CoachTexts, SayTheNextHandsWorthToATenthOfACent) {
    EXPECT_EQ(NextHandText(0.0123),
              "Played at its best, the next hand wins 1.2 cents a dollar on average.");
    EXPECT_EQ(NextHandText(-0.004),
              "Played at its best, the next hand loses 0.4 cents a dollar on average.");
}

}  // namespace
}  // namespace game::test
