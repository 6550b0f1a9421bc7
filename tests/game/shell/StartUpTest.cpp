// The program's start: the reader choice at the first start, the stored choices, the help hint
// one second later and the stakes frame.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "game/shell/StartUp.h"
#include "tests/game/shell/Scenario.h"

namespace game::test {
namespace {

using Lines = std::vector<std::string>;

// What tmrBeginGame_Timer shows and says under `reader`, starting at 1000 ms; Window-Eyes also
// names the stakes list once it has the focus.
Lines BeginGameLines(const std::string& reader) {
    const std::string who = R"(,"reader":")" + reader + R"("})";
    Lines lines{
        R"({"t":1000,"ev":"stopspeech")" + who,
        R"({"t":1000,"ev":"speak","reader":")" + reader + R"(","text":"Press f2 for help. "})",
        R"({"t":2000,"ev":"stopspeech")" + who,
        R"({"t":2000,"ev":"visible","control":"frameStakes","value":true})",
        R"({"t":2000,"ev":"items","control":"lstStakes","value":["$1000","$2000","$3000","$4000","$5000","$6000","$7000","$8000","$9000","$10000"]})",
        R"({"t":2000,"ev":"selected","control":"lstStakes","value":0})",
        R"({"t":2000,"ev":"focus","control":"lstStakes"})",
        R"({"t":2000,"ev":"timer","name":"tmrBeginGame","enabled":false})",
    };
    if (reader == "WE") {
        lines.push_back(R"({"t":2000,"ev":"stopspeech")" + who);
        lines.push_back(R"({"t":2000,"ev":"speak","reader":"WE","text":" stakes list box "})");
    }
    return lines;
}

const Lines kReaderWindowOpens = {
    R"({"t":0,"ev":"visible","control":"Sonivel1","value":false})",
    R"({"t":0,"ev":"form","name":"GameScreen","state":"shown"})",
    R"({"t":0,"ev":"items","control":"lstReader","value":["JAWS For Windows","Window-Eyes"]})",
    R"({"t":0,"ev":"selected","control":"lstReader","value":0})",
    R"({"t":0,"ev":"form","name":"frmReader","state":"shown"})",
    R"({"t":0,"ev":"focus","control":"lstReader"})",
};

TEST(StartUp, FirstStartAsksForTheReaderAndStoresWindowEyes) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("start\nkey Down\nkey Enter\nwait 2000\n"), 0);
    const Lines expected = Concat(
        Concat(
            kReaderWindowOpens,
            {
                R"({"t":0,"ev":"selected","control":"lstReader","value":1})",
                R"({"t":0,"ev":"form","name":"frmReader","state":"closed"})",
                R"({"t":0,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"WE"})",
                R"({"t":0,"ev":"timer","name":"tmrBeginGame","enabled":true})",
                // The main window's own focus event, once start-up is over.
                R"({"t":0,"ev":"stopspeech","reader":"WE"})",
            }),
        BeginGameLines("WE"));
    EXPECT_EQ(scenario.Lines(), expected);

    const Game& game = scenario.LastGame();
    EXPECT_EQ(game.state.ScreenReader, "WE");
    EXPECT_NE(game.state.WESpeech, nullptr);
    EXPECT_TRUE(game.GameScreen.ShuffleNeeded);
    EXPECT_EQ(game.backend.Title(), "");
    EXPECT_EQ(game.backend.HelpFile(), scenario.Folder().string() + "\\ventra.html");

    // The next start finds the choice and asks nothing.
    ASSERT_EQ(scenario.Run("start\nwait 2000\n"), 0);
    EXPECT_TRUE(scenario.Events("form")[0].find("GameScreen") != std::string::npos);
    EXPECT_EQ(scenario.Events("form").size(), 1u);
}

TEST(StartUp, FirstStartWithJawsChosenByEnter) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("start\nkey Enter\n"), 0);
    EXPECT_EQ(
        scenario.Events("setting"),
        Lines{
            R"({"t":0,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"JFW"})"});
    EXPECT_EQ(scenario.LastGame().state.WESpeech, nullptr);
}

TEST(StartUp, StoredJawsStartsWithoutTheReaderWindow) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"JFW\"\nstart\nwait 2000\n"), 0);
    const Lines expected = Concat(Concat(StartLines(),
                                         {
                                             R"({"t":0,"ev":"stopspeech","reader":"JFW"})",
                                         }),
                                  BeginGameLines("JFW"));
    EXPECT_EQ(scenario.Lines(), expected);
}

TEST(StartUp, NothingHappensBeforeTheSecondIsOver) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"JFW\"\nstart\nwait 999\n"), 0);
    EXPECT_TRUE(scenario.Events("speak").empty());
}

TEST(StartUp, StoredReaderWithSpacesIsUsedAsReadAndSavedTrimmed) {
    Scenario scenario;
    // Reopening the choice window and closing it without OK keeps the choice and stores it.
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \" WE \"\nstart\nwait 2000\ndump\n"
                           "menu mnuGameReader\nclose\n"),
              0);
    EXPECT_EQ(scenario.Lines()[3], R"({"t":0,"ev":"stopspeech","reader":"WE"})");
    const Lines beginGame = BeginGameLines("WE");
    EXPECT_EQ(Lines(scenario.Lines().begin() + 4,
                    scenario.Lines().begin() + 4 + static_cast<std::ptrdiff_t>(beginGame.size())),
              beginGame);
    EXPECT_NE(scenario.Events("state")[0].find(R"("ScreenReader":" WE ","WESpeech":true)"),
              std::string::npos);
    EXPECT_EQ(
        scenario.Events("setting"),
        Lines{
            R"({"t":2000,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"WE"})"});
    EXPECT_EQ(scenario.LastGame().state.ScreenReader, " WE ");
}

TEST(StartUp, UnknownStoredReaderIsSilentAndDoesNotAsk) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"xyz\"\nstart\nwait 2000\n"), 0);
    Lines expected = StartLines();
    for (const std::string& line : BeginGameLines("JFW")) {
        if (line.find("speech") == std::string::npos && line.find("speak") == std::string::npos) {
            expected.push_back(line);
        }
    }
    EXPECT_EQ(scenario.Lines(), expected);
}

TEST(StartUp, StoredNoneAsksAgain) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"None\"\nstart\nkey Enter\n"), 0);
    EXPECT_EQ(Lines(scenario.Lines().begin(), scenario.Lines().begin() + 6), kReaderWindowOpens);
}

TEST(StartUp, DamagedSettingsFileStartsAndAsksForTheReader) {
    Scenario scenario;
    scenario.WriteStoreFile(std::string("\x01\xff[[[Ventrelle/StartUp\nReader=\"JFW", 31));
    ASSERT_EQ(scenario.Run("start\nkey Enter\nwait 2000\n"), 0);
    EXPECT_EQ(Lines(scenario.Lines().begin(), scenario.Lines().begin() + 6), kReaderWindowOpens);
    // The choice is stored in a sound file again.
    ASSERT_EQ(scenario.Run("start\nwait 2000\n"), 0);
    EXPECT_EQ(scenario.Events("form").size(), 1u);
}

TEST(StartUp, InterruptedSettingsWriteKeepsTheStoredChoice) {
    Scenario scenario;
    ASSERT_EQ(scenario.Run("setting Ventrelle StartUp Reader \"WE\"\n"
                           "start\nmenu mnuGameReader\nkey Enter\nanswer ok\n",
                           [](Game& game) {
                               game.store.beforeReplace = [](const std::filesystem::path&) {
                                   throw std::runtime_error("interrupted");
                               };
                               ProgramEntry(game);
                           }),
              0);
    EXPECT_EQ(
        scenario.Events("msgbox"),
        Lines{
            R"j({"t":0,"ev":"msgbox","title":"","text":"interrupted  SaveScreenReader()","buttons":"ok","icon":"none"})j"});
    // The store still holds the old choice, in one piece.
    ASSERT_EQ(scenario.Run("start\nwait 1000\n"), 0);
    EXPECT_EQ(scenario.Events("form").size(), 1u);
    EXPECT_EQ(scenario.Events("speak"),
              (Lines{
                  R"({"t":1000,"ev":"speak","reader":"WE","text":"Press f2 for help. "})",
                  R"({"t":2000,"ev":"speak","reader":"WE","text":" stakes list box "})",
              }));
}

TEST(StartUp, SettingsStoreThatIsAFifoAsksForTheReaderAtOnce) {
    Scenario scenario;
    std::filesystem::create_directories(scenario.StoreFile().parent_path());
    ASSERT_EQ(::mkfifo(scenario.StoreFile().c_str(), 0600), 0);
    // Nothing ever writes into the FIFO: opening it for reading would wait for ever.
    ASSERT_EQ(scenario.Run("start\nkey Enter\nwait 2000\n"), 0);
    EXPECT_EQ(Lines(scenario.Lines().begin(), scenario.Lines().begin() + 6), kReaderWindowOpens);
    EXPECT_EQ(scenario.LastGame().state.ScreenReader, "JFW");
}

TEST(StartUp, ASaveWhileAnotherProgramHoldsTheStoreIsReportedAndTheGameGoesOn) {
    Scenario scenario;
    std::filesystem::create_directories(scenario.StoreFile().parent_path());
    const std::string lockFile = scenario.StoreFile().string() + ".lock";
    const int holder = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(holder, 0);
    // An open file description of its own, as another process would have.
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ASSERT_EQ(scenario.Run("start\nkey Enter\nanswer ok\nwait 2000\n",
                           [](Game& game) {
                               game.store.lockWait = std::chrono::milliseconds(50);
                               ProgramEntry(game);
                           }),
              0);
    ::close(holder);
    const Lines boxes = scenario.Events("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("is locked by another program"), std::string::npos) << boxes[0];
    EXPECT_NE(boxes[0].find(" SaveScreenReader()\""), std::string::npos) << boxes[0];
    EXPECT_EQ(scenario.Events("speak").size(), 1u);
}

}  // namespace
}  // namespace game::test
