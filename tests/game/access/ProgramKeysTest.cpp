// The keys of every window: the history of what the game said (kept, reviewed with F4, F5 and F6
// through a whole hand, never holding its own repeats), Control silencing the speech, and none
// of them changing the game, not even in the middle of the dealer's turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/access/SpeechHistory.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {
namespace {

const std::string kStop = R"({"t":6000,"ev":"stopspeech","reader":"JFW"})";
// From the deal: Stay, the dealer's turn, and the results frame with its reading.
const std::string kStayToResults = "key PageDown\nwait 10000\n";

std::string Repeat(const std::string& line, std::size_t times) {
    std::string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += line;
    }
    return out;
}

// The text field of a speak line, as the trace writes it (quoted and escaped).
std::string TextOf(const std::string& line) {
    const std::size_t at = line.find(R"("text":)");
    return at == std::string::npos ? std::string() : line.substr(at + 7, line.size() - at - 8);
}

bool IsSpeak(const std::string& line) {
    return line.find(R"("ev":"speak")") != std::string::npos;
}

// The texts spoken in `lines` that the history keeps (those with more than spaces).
std::vector<std::string> KeptTexts(const Lines& lines) {
    std::vector<std::string> texts;
    for (const std::string& line : lines) {
        const std::string text = TextOf(line);
        if (IsSpeak(line) && text.find_first_not_of("\" ") != std::string::npos) {
            texts.push_back(text);
        }
    }
    return texts;
}

// What the review keys said, in order.
std::vector<std::string> SpokenTexts(const Lines& lines) {
    std::vector<std::string> texts;
    for (const std::string& line : lines) {
        if (IsSpeak(line)) {
            texts.push_back(TextOf(line));
        }
    }
    return texts;
}

TEST(SpeechHistory, KeepsTheNewestHundredAndMovesThroughThem) {
    SpeechHistory history;
    EXPECT_EQ(history.Latest(), nullptr);
    EXPECT_EQ(history.Previous(), nullptr);
    EXPECT_EQ(history.Next(), nullptr);
    history.Add("   ");
    history.Add("");
    EXPECT_EQ(history.Size(), 0u);
    for (int i = 0; i < 105; ++i) {
        history.Add("text " + std::to_string(i));
    }
    EXPECT_EQ(history.Size(), SpeechHistory::kCapacity);
    EXPECT_EQ(*history.Latest(), "text 104");
    EXPECT_EQ(*history.Previous(), "text 103");
    EXPECT_EQ(*history.Next(), "text 104");
    EXPECT_EQ(history.Next(), nullptr);
    for (int i = 0; i < 99; ++i) {
        ASSERT_NE(history.Previous(), nullptr);
    }
    EXPECT_EQ(history.Previous(), nullptr) << "the oldest kept is text 5";
    EXPECT_EQ(*history.Next(), "text 6");
    history.Add("new");
    EXPECT_EQ(*history.Previous(), "text 104") << "a new text moves the place to the newest";
}

TEST(ProgramKeys, F5AndF6ReviewAWholeHandBetweenItsEnds) {
    Scenario played;
    ASSERT_EQ(RunGame(played, KeysScript("JFW", kStandingHand, kStayToResults + "dump\n")), 0);
    const std::vector<std::string> kept = KeptTexts(played.Lines());
    ASSERT_GT(kept.size(), 10u);
    ASSERT_LT(kept.size(), SpeechHistory::kCapacity);

    Scenario reviewed;
    const std::string review = Repeat("key F5\n", kept.size()) + Repeat("key F6\n", kept.size());
    ASSERT_EQ(
        RunGame(reviewed, KeysScript("JFW", kStandingHand, kStayToResults + "dump\n" + review)), 0);
    const Lines after = Between(reviewed.Lines(), R"("ev":"state")");
    ASSERT_FALSE(after.empty());
    std::vector<std::string> expected(kept.rbegin() + 1, kept.rend());
    expected.emplace_back(R"("Top of history")");
    expected.insert(expected.end(), kept.begin() + 1, kept.end());
    expected.emplace_back(R"("End of history")");
    EXPECT_EQ(SpokenTexts(after), expected);
    // The history begins with the game's greeting and holds the first card read.
    EXPECT_EQ(kept.front(), R"("Press f2 for help. ")");
    EXPECT_NE(std::find_if(
                  kept.begin(), kept.end(),
                  [](const std::string& t) { return t.find("10 of Spades") != std::string::npos; }),
              kept.end());
    // Each review stops the voice first, and the keys leave the game where it was.
    EXPECT_EQ(after.size(), 1 + 2 * (2 * kept.size()));
    EXPECT_EQ(reviewed.Events("state").back(), played.Events("state").back());
}

TEST(ProgramKeys, F4TwiceSaysTheLastTextTwiceAndKeepsNoRepeat) {
    Scenario scenario;
    ASSERT_EQ(
        RunGame(scenario, KeysScript("JFW", kStandingHand, "key F3\nkey F4\nkey F4\nkey F5\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":6000,)"),
              (Lines{
                  kStop,
                  SpeakLine(6000, "JFW", "Stakes = $900"),
                  SpeakLine(6000, "JFW", "Current Bet=$100"),
                  kStop,
                  SpeakLine(6000, "JFW", "Current Bet=$100"),
                  kStop,
                  SpeakLine(6000, "JFW", "Current Bet=$100"),
                  kStop,
                  SpeakLine(6000, "JFW", "Stakes = $900"),
              }));
}

// The trace of `with` is that of `without` with `inserted` lines at one place, which is returned.
std::size_t ExpectOnlyInserted(const Lines& with, const Lines& without, std::size_t inserted) {
    std::size_t at = 0;
    while (at < without.size() && at < with.size() && with[at] == without[at]) {
        ++at;
    }
    EXPECT_EQ(with.size(), without.size() + inserted);
    Lines rest = with;
    rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(at),
               rest.begin() + static_cast<std::ptrdiff_t>(std::min(at + inserted, rest.size())));
    EXPECT_EQ(rest, without);
    return at;
}

TEST(ProgramKeys, F4DuringTheDealersTurnRepeatsWithoutChangingTheTurn) {
    Scenario plain;
    ASSERT_EQ(RunGame(plain, KeysScript("JFW", kStandingHand, kStayToResults + "dump\n")), 0);
    Scenario repeated;
    ASSERT_EQ(RunGame(repeated,
                      KeysScript("JFW", kStandingHand, "key PageDown\nkey F4\nwait 10000\ndump\n")),
              0);
    const Lines& with = repeated.Lines();
    const std::size_t at = ExpectOnlyInserted(with, plain.Lines(), 2);
    ASSERT_LT(at + 1, with.size());
    EXPECT_EQ(with[at], kStop);
    const Lines before(with.begin(), with.begin() + static_cast<std::ptrdiff_t>(at));
    EXPECT_EQ(TextOf(with[at + 1]), KeptTexts(before).back());
    EXPECT_TRUE(IsSpeak(with[at + 1]));
}

TEST(ProgramKeys, ControlDuringAPauseStopsTheSpeechAndThePauseGoesOn) {
    Scenario plain;
    ASSERT_EQ(RunGame(plain, KeysScript("JFW", kStandingHand, kStayToResults + "dump\n")), 0);
    Scenario silenced;
    ASSERT_EQ(RunGame(silenced, KeysScript("JFW", kStandingHand,
                                           "key PageDown\nkey Ctrl\nwait 10000\ndump\n")),
              0);
    const std::size_t at = ExpectOnlyInserted(silenced.Lines(), plain.Lines(), 1);
    ASSERT_LT(at, silenced.Lines().size());
    EXPECT_EQ(silenced.Lines()[at], kStop);
}

TEST(ProgramKeys, WorkInTheListsAndLeaveOtherKeysAlone) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"JFW\"\nstart\nwait 2000\n"
                      "dump\nkey Ctrl+F4\nkey Shift+F5\nkey Alt+F6\nkey F4\n"
                      "click btnStakesOK\ndump\nkey F4\n"),
              0);
    const Lines stakes =
        Between(scenario.Lines(), R"("ev":"state")", R"("frameStakes","value":false)");
    const std::string help = SpeakLine(2000, "JFW", "Press f2 for help. ");
    const std::string stop = R"({"t":2000,"ev":"stopspeech","reader":"JFW"})";
    ASSERT_EQ(stakes.size(), 3u) << "the keys with Ctrl, Shift or Alt say nothing";
    EXPECT_EQ(Lines(stakes.begin() + 1, stakes.end()), (Lines{stop, help}));
    EXPECT_EQ(Lines(scenario.Lines().end() - 2, scenario.Lines().end()), (Lines{stop, help}));
    EXPECT_NE(scenario.Lines().end()[-3].find(R"("ev":"state","Stakes":1000)"), std::string::npos);
}

}  // namespace
}  // namespace game::test
