// The Help menu: the help document opened through the shell (by the menu and by F1 anywhere in
// the main window), and the About window with its labels, its focus and the keys that close it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/shell/Game.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {
namespace {

// The trace's `shell` line for the help document in the scenario's program folder (the folder
// holds no such document: the game must not care).
std::string ShellLine(const Scenario& scenario, int t) {
    return R"({"t":)" + std::to_string(t) + R"(,"ev":"shell","file":")" +
           scenario.Folder().string() + R"(\\ventra.html"})";
}

TEST(HelpMenu, HelpTopicsAsksTheShellEveryTimeAndSaysNothingOfAMissingDocument) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "menu mnuHelpContents\nmenu mnuHelpContents\n"),
              0);
    EXPECT_EQ(scenario.Events("shell"),
              (Lines{ShellLine(scenario, 2000), ShellLine(scenario, 2000)}));
    EXPECT_TRUE(scenario.Events("msgbox").empty());
    EXPECT_EQ(Between(scenario.Lines(), R"("ev":"shell")").size(), 2u);
}

TEST(HelpMenu, F1OpensTheHelpDocumentFromAnywhereInTheMainWindow) {
    Scenario scenario;
    // With nothing focused, in the stakes list, in the bet list, in the player's cards (under
    // either reader's map) and in the results.
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"JFW\"\ndeck 10 23 8 26\n"
                      "start\nkey F1\nwait 2000\nkey F1\nkey Enter\nkey F1\nkey Enter\n"
                      "wait 4000\nkey F1\nmenu mnuGameReader\nkey Down Enter\nkey F1\n"
                      "click btnStay\nwait 6000\nkey F1\n"),
              0);
    EXPECT_EQ(
        scenario.Events("shell"),
        (Lines{ShellLine(scenario, 0), ShellLine(scenario, 2000), ShellLine(scenario, 2000),
               ShellLine(scenario, 6000), ShellLine(scenario, 6000), ShellLine(scenario, 12000)}));
    EXPECT_TRUE(scenario.Events("msgbox").empty());
}

const Lines kAboutOpens{
    R"({"t":2000,"ev":"caption","control":"lblVersion","value":"Version 1.0.0"})",
    R"({"t":2000,"ev":"caption","control":"lblTitle","value":"About "})",
    R"({"t":2000,"ev":"caption","control":"lblDisclaimer","value":"Copyright 2026 The Ventrelle developers. All rights reserved."})",
    R"({"t":2000,"ev":"caption","control":"lblDescription","value":"Web site: none; the help topics open with F1."})",
    R"({"t":2000,"ev":"form","name":"frmAbout","state":"shown"})",
    R"({"t":2000,"ev":"focus","control":"cmdOK"})",
};
const std::string kAboutCloses = R"({"t":2000,"ev":"form","name":"frmAbout","state":"closed"})";

TEST(AboutWindow, OpensWithItsLabelsAndTheFocusOnOkAndEnterClosesIt) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}) + "menu mnuHelpAbout\ndump\nkey Enter\nkey F2\n"),
              0);
    const Lines about = Between(scenario.Lines(), R"("control":"lblVersion")");
    ASSERT_EQ(about.size(), 11u);
    EXPECT_EQ(Lines(about.begin(), about.begin() + 6), kAboutOpens);
    EXPECT_NE(about[6].find(R"("frame":"","focus":"cmdOK"})"), std::string::npos);
    EXPECT_EQ(about[7], kAboutCloses);
    // The focus is back in the stakes list, which takes F2 again.
    EXPECT_EQ(about[8], R"({"t":2000,"ev":"stopspeech","reader":"JFW"})");
    EXPECT_EQ(scenario.LastGame().GameScreen.ActiveControl(),
              &scenario.LastGame().GameScreen.lstStakes);
}

TEST(AboutWindow, EscapeAndOkCloseItAndEachOpeningFillsTheLabelsAgain) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}) +
                                    "menu mnuHelpAbout\nkey Escape\nmenu mnuHelpAbout\nkey Tab\n"
                                    "key Escape\nmenu mnuHelpAbout\nclick cmdOK\n"),
              0);
    const Lines opened = Concat(kAboutOpens, {kAboutCloses});
    EXPECT_EQ(Between(scenario.Lines(), R"("control":"lblVersion")"),
              Concat(Concat(opened, opened), opened));
}

}  // namespace
}  // namespace game::test
