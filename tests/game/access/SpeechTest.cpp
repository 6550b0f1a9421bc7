// Speak, StopSpeech and Delay: which reader gets what, the reports of a failing reader, and the
// wait's bounds, re-entrancy and clock.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/access/Speech.h"
#include "game/shell/Game.h"
#include "game/shell/StartUp.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

using Lines = std::vector<std::string>;

// Runs `body` at `start`, with the reader set as given, and a mark in the trace when it returns.
int RunWithReader(Scenario& scenario, const std::string& script, const std::string& reader,
                  const std::function<void(Game&)>& body, std::uint64_t clock = 0) {
    return scenario.Run(
        "start\n" + script,
        [&](Game& game) {
            game.state.ScreenReader = reader;
            body(game);
            game.backend.Report("returned", {});
        },
        clock);
}

TEST(Speak, JawsGetsEveryTextEvenAnEmptyOne) {
    Scenario scenario;
    ASSERT_EQ(RunWithReader(scenario, "", " JFW",
                            [](Game& game) {
                                Speak(game, "Hello. ");
                                Speak(game, "");
                                StopSpeech(game);
                            }),
              0);
    EXPECT_EQ(scenario.Lines(), (Lines{
                                    R"({"t":0,"ev":"speak","reader":"JFW","text":"Hello. "})",
                                    R"({"t":0,"ev":"speak","reader":"JFW","text":""})",
                                    R"({"t":0,"ev":"stopspeech","reader":"JFW"})",
                                    R"({"t":0,"ev":"returned"})",
                                }));
}

TEST(Speak, WindowEyesGetsNoEmptyText) {
    Scenario scenario;
    ASSERT_EQ(RunWithReader(scenario, "", "WE",
                            [](Game& game) {
                                game.state.WESpeech = game.makeVoice(speech::Reader::We);
                                Speak(game, "");
                                Speak(game, "Hi. ");
                                StopSpeech(game);
                            }),
              0);
    EXPECT_EQ(scenario.Lines(), (Lines{
                                    R"({"t":0,"ev":"speak","reader":"WE","text":"Hi. "})",
                                    R"({"t":0,"ev":"stopspeech","reader":"WE"})",
                                    R"({"t":0,"ev":"returned"})",
                                }));
}

TEST(Speak, OtherChoicesAreSilent) {
    for (const char* reader : {"", "None", "jfw", "xyz", "W E"}) {
        Scenario scenario;
        ASSERT_EQ(RunWithReader(scenario, "", reader,
                                [](Game& game) {
                                    Speak(game, "Hello. ");
                                    StopSpeech(game);
                                }),
                  0);
        EXPECT_EQ(scenario.Lines(), Lines{R"({"t":0,"ev":"returned"})"}) << reader;
    }
}

TEST(Speak, FailingJawsIsReportedAndTheGameGoesOn) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"JFW\"\nstart\nspeech fail\n"
                           "wait 1000\nanswer ok\nanswer ok\nanswer ok\nwait 1000\n"),
              0);
    const std::string kDescription = "Speech service unavailable";
    EXPECT_EQ(scenario.Events("msgbox"),
              (Lines{
                  R"({"t":1000,"ev":"msgbox","title":"","text":")" + kDescription +
                      R"j(  StopSpeech()","buttons":"ok","icon":"none"})j",
                  R"({"t":1000,"ev":"msgbox","title":"","text":")" + kDescription +
                      R"j(  Speak()","buttons":"ok","icon":"none"})j",
                  R"({"t":2000,"ev":"msgbox","title":"","text":")" + kDescription +
                      R"j(  StopSpeech()","buttons":"ok","icon":"none"})j",
              }));
    // The stakes frame still opens.
    EXPECT_EQ(scenario.Lines().back(),
              R"({"t":2000,"ev":"timer","name":"tmrBeginGame","enabled":false})");
}

TEST(Speak, SpeechComesBackAfterAFailure) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"JFW\"\nspeech fail\nstart\n"
                           "answer ok\nspeech ok\nwait 1000\n"),
              0);
    EXPECT_EQ(scenario.Events("speak"),
              Lines{R"({"t":1000,"ev":"speak","reader":"JFW","text":"Press f2 for help. "})"});
}

TEST(Speak, WindowEyesWithoutItsVoiceReportsTheMissingObject) {
    Scenario scenario;
    ASSERT_EQ(RunWithReader(scenario, "answer ok\n", "WE", [](Game& game) { Speak(game, "Hi. "); }),
              0);
    EXPECT_EQ(
        scenario.Events("msgbox"),
        Lines{
            R"j({"t":0,"ev":"msgbox","title":"","text":"Object variable not set  Speak()","buttons":"ok","icon":"none"})j"});
}

TEST(Speak, WindowEyesThatCannotStartIsReportedByGetScreenReader) {
    Scenario scenario;
    ASSERT_EQ(
        scenario.Run("setting Ventrelle StartUp Reader \"WE\"\nspeech fail\nstart\n"
                     "answer ok\nspeech ok\nanswer ok\nwait 2000\nanswer ok\nanswer ok\nanswer ok\n"
                     "answer ok\nanswer ok\n"),
        0);
    // The last two come from the stakes list, which Window-Eyes names when it gets the focus.
    const Lines boxes = scenario.Events("msgbox");
    ASSERT_EQ(boxes.size(), 7u);
    EXPECT_NE(boxes[0].find(R"j("text":"Speech service unavailable  GetScreenReader()")j"),
              std::string::npos);
    // The voice stays missing: each call reports it and the game goes on.
    EXPECT_NE(boxes[1].find(R"j("text":"Object variable not set  StopSpeech()")j"),
              std::string::npos);
    EXPECT_NE(boxes[3].find(R"j("text":"Object variable not set  Speak()")j"), std::string::npos);
}

TEST(Delay, WaitsTheTenthsAndReturns) {
    Scenario scenario;
    ASSERT_EQ(RunWithReader(scenario, "wait 60000\n", "", [](Game& game) { Delay(game, 327); }), 0);
    EXPECT_EQ(scenario.Lines(), Lines{R"({"t":32700,"ev":"returned"})"});
}

TEST(Delay, ZeroAndNegativeCountsReturnAtOnce) {
    Scenario scenario;
    ASSERT_EQ(RunWithReader(scenario, "wait 60000\n", "",
                            [](Game& game) {
                                Delay(game, 0);
                                Delay(game, -1);
                                Delay(game, -327);
                            }),
              0);
    EXPECT_EQ(scenario.Lines(), Lines{R"({"t":0,"ev":"returned"})"});
}

TEST(Delay, CountsBeyond327AreAnOverflowAndDoNotWait) {
    for (int count : {328, -328, 32767}) {
        Scenario scenario;
        ASSERT_EQ(RunWithReader(scenario, "answer ok\nwait 60000\n", "",
                                [count](Game& game) { Delay(game, count); }),
                  0);
        EXPECT_EQ(
            scenario.Lines(),
            (Lines{
                R"j({"t":0,"ev":"msgbox","title":"","text":"Overflow in Delay()","buttons":"ok","icon":"none"})j",
                R"({"t":0,"ev":"answer","value":"ok"})",
                R"({"t":0,"ev":"returned"})",
            }))
            << count;
    }
}

TEST(Delay, TimersRunInsideTheWaitAndANewGameAfterIt) {
    Scenario scenario;
    ASSERT_EQ(RunWithReader(scenario, "wait 250\nmenu mnuGameNew\nwait 5000\n", "",
                            [](Game& game) {
                                ui::Timer& timer = game.GameScreen.tmrSplit;
                                timer.onTimer = [&] {
                                    timer.SetEnabled(false);
                                    game.backend.Report("fired", {});
                                };
                                game.GameScreen.Load();
                                game.GameScreen.Show();
                                timer.SetEnabled(true);
                                Delay(game, 10);
                            }),
              0);
    // The timer fires 100 ms in. The New Game menu, chosen 250 ms in, does not run inside the
    // wait: it runs once the wait has returned at 1000, and pauses on its own until 2000.
    EXPECT_EQ(
        scenario.Lines(),
        (Lines{
            R"({"t":0,"ev":"visible","control":"Sonivel1","value":false})",
            R"({"t":0,"ev":"form","name":"GameScreen","state":"shown"})",
            R"({"t":0,"ev":"timer","name":"tmrSplit","enabled":true})",
            R"({"t":100,"ev":"timer","name":"tmrSplit","enabled":false})",
            R"({"t":100,"ev":"fired"})",
            R"({"t":1000,"ev":"returned"})",
            R"({"t":2000,"ev":"visible","control":"frameStakes","value":true})",
            R"({"t":2000,"ev":"items","control":"lstStakes","value":["$1000","$2000","$3000","$4000","$5000","$6000","$7000","$8000","$9000","$10000"]})",
            R"({"t":2000,"ev":"selected","control":"lstStakes","value":0})",
            R"({"t":2000,"ev":"focus","control":"lstStakes"})",
        }));
}

TEST(Delay, NeverWaitsLongerWhenTheTickCounterWraps) {
    Scenario scenario;
    const std::uint64_t beforeWrap = (std::uint64_t{1} << 32) - 500;
    ASSERT_EQ(RunWithReader(
                  scenario, "wait 60000\n", "", [](Game& game) { Delay(game, 10); }, beforeWrap),
              0);
    EXPECT_EQ(scenario.Lines(),
              Lines{"{\"t\":" + std::to_string(beforeWrap + 1000) + ",\"ev\":\"returned\"}"});
}

}  // namespace
}  // namespace game::test
