// The screen-reader choice window: what it offers, when it refuses to close, and choosing again
// from the Game menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "game/shell/StartUp.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

using Lines = std::vector<std::string>;

const std::string kMustChoose =
    R"({"t":0,"ev":"msgbox","title":"Screen Reader","text":"You must choose the type of screen reader software you are using. ","buttons":"ok","icon":"information"})";

TEST(ReaderWindow, RefusesToCloseBeforeAChoiceAtTheFirstStart) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("start\nclose\nanswer ok\ndump\nselect lstReader 1\nclick btnOK\n"), 0);
    const Lines& all = scenario.Lines();
    const auto refusal = std::find(all.begin(), all.end(), kMustChoose);
    ASSERT_NE(refusal, all.end());
    EXPECT_EQ(*(refusal + 1), R"({"t":0,"ev":"answer","value":"ok"})");
    EXPECT_NE((refusal + 2)->find(R"("frame":"","focus":"lstReader")"), std::string::npos);
    EXPECT_EQ(scenario.LastGame().state.ScreenReader, "WE");
    EXPECT_EQ(scenario.Events("setting").size(), 1u);
}

TEST(ReaderWindow, RefusesNoneAsAChoice) {
    Scenario scenario;
    ASSERT_EQ(
        scenario.Run(
            "start\nselect lstReader -1\nclick btnOK\nanswer ok\nselect lstReader 0\nkey Enter\n"),
        0);
    EXPECT_EQ(scenario.Events("msgbox"), Lines{kMustChoose});
    EXPECT_EQ(scenario.LastGame().state.ScreenReader, "JFW");
    EXPECT_EQ(
        scenario.Events("setting"),
        Lines{
            R"({"t":0,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"JFW"})"});
}

TEST(ReaderWindow, FromTheMenuHighlightsJawsFirstAndSwitchesReaders) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"WE\"\nstart\nwait 2000\n"
                           "menu mnuGameReader\nkey Enter\nwait 1000\nmenu mnuGameReader\n"
                           "key Down Enter\n"),
              0);
    const Lines selections = scenario.Events("selected");
    ASSERT_EQ(selections.size(), 4u);
    EXPECT_EQ(selections[1], R"({"t":2000,"ev":"selected","control":"lstReader","value":0})");
    EXPECT_EQ(selections[2], R"({"t":3000,"ev":"selected","control":"lstReader","value":0})");
    EXPECT_EQ(
        scenario.Events("setting"),
        (Lines{
            R"({"t":2000,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"JFW"})",
            R"({"t":3000,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"WE"})",
        }));
    EXPECT_EQ(scenario.LastGame().state.ScreenReader, "WE");
}

TEST(ReaderWindow, ClosingWithoutOkKeepsTheEarlierChoice) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"xyz\"\nstart\nmenu mnuGameReader\n"
                           "key Down\nclose\n"),
              0);
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_EQ(scenario.LastGame().state.ScreenReader, "xyz");
    EXPECT_EQ(
        scenario.Events("setting"),
        Lines{
            R"({"t":0,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"xyz"})"});
}

TEST(ReaderWindow, ChoosingWindowEyesAgainReplacesItsVoice) {
    Scenario scenario;
    const speech::Voice* first = nullptr;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"WE\"\nstart\nmenu mnuGameReader\n"
                           "key Down Enter\n",
                           [&first](Game& game) {
                               ProgramEntry(game);
                               first = game.state.WESpeech.get();
                           }),
              0);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(scenario.LastGame().state.WESpeech.get(), nullptr);
    EXPECT_NE(scenario.LastGame().state.WESpeech.get(), first);
}

}  // namespace
}  // namespace game::test
