// Menus opened from the keyboard in a headless run, and what the back end reports for a screen
// reader: windows, focus, highlights, message boxes and menu entries.
#include <gtest/gtest.h>

#include "HeadlessHarness.h"
#include "RecordingAnnouncements.h"

namespace ui {
namespace {

using test::Harness;
using test::MainForm;
using test::RecordingAnnouncements;
using Names = std::vector<std::string>;

// MainForm with a fuller menu bar: Game (New, Options > Faster, Exit) and Help (Topics, About).
struct MenuForm {
    explicit MenuForm(Backend& backend) : main(backend) {
        options.Add("mnuOptionsFaster", "Speak &faster");
        game.Add("mnuGameExit", "E&xit");
        help.Add("mnuHelpTopics", "&Topics");
        help.Add("mnuHelpAbout", "&About");
        for (const char* name :
             {"mnuGameNew", "mnuOptionsFaster", "mnuGameExit", "mnuHelpTopics", "mnuHelpAbout"}) {
            main.form.FindMenuItem(name)->onClick = [this, name] { chosen.push_back(name); };
        }
        main.txtA.onKeyDown = [this](int& keyCode, Modifiers) {
            chosen.push_back("key " + std::to_string(keyCode));
        };
    }

    MainForm main;
    MenuItem& game = main.menu;
    MenuItem& options = game.Add("mnuOptions", "&Options");
    MenuItem& help = main.form.AddMenu("mnuHelp", "&Help");
    Names chosen;
};

struct MenuRun {
    explicit MenuRun(const std::string& script) : harness("start\n" + script) {
        harness.backend.SetAnnouncements(&heard);
    }
    int Go() {
        return harness.backend.RunScript([this] {
            menus.main.form.Show();
            for (const char* entry : {"a", "b", "c"})
                menus.main.lstA.AddItem(entry);
            heard.heard.clear();
        });
    }

    Harness harness;
    RecordingAnnouncements heard;
    MenuForm menus{harness.backend};
};

TEST(HeadlessMenus, AltOpensTheMenuAndTheArrowsGoRoundItsEntries) {
    MenuRun run("key Alt+G Down Down Down Up End Home\n");
    ASSERT_EQ(run.Go(), 0);
    EXPECT_EQ(run.heard.heard,
              (Names{"menu mnuGame", "menu entry mnuGameNew", "menu entry mnuOptions",
                     "menu entry mnuGameExit", "menu entry mnuGameNew", "menu entry mnuGameExit",
                     "menu entry mnuGameExit", "menu entry mnuGameNew"}));
    EXPECT_TRUE(run.menus.chosen.empty());
}

TEST(HeadlessMenus, EnterOrAnAccessLetterChoosesAndClosesTheMenu) {
    MenuRun run("key Alt+G Down Down Enter Down\nkey Alt+H a\nkey Alt+H Space\n");
    ASSERT_EQ(run.Go(), 0);
    // The Down after the choice reaches the text box again.
    EXPECT_EQ(run.menus.chosen, (Names{"mnuGameExit", "key 40", "mnuHelpAbout", "mnuHelpTopics"}));
}

TEST(HeadlessMenus, RightAndLeftMoveBetweenMenusAndIntoSubmenus) {
    MenuRun run("key Alt+G Right Right Left Down Right Down Left Escape Escape Down\n");
    ASSERT_EQ(run.Go(), 0);
    EXPECT_EQ(run.heard.heard, (Names{"menu mnuGame", "menu entry mnuGameNew",     // Alt+G
                                      "menu mnuHelp", "menu entry mnuHelpTopics",  // Right
                                      "menu mnuGame", "menu entry mnuGameNew",     // Right, round
                                      "menu mnuHelp", "menu entry mnuHelpTopics",  // Left, round
                                      "menu entry mnuHelpAbout",                   // Down
                                      "menu mnuGame", "menu entry mnuGameNew",     // Right, round
                                      "menu entry mnuOptions",                     // Down
                                      "menu mnuHelp", "menu entry mnuHelpTopics"}));  // Left
    // The first Escape closed the menu; the second and the Down reached the text box.
    EXPECT_EQ(run.menus.chosen, (Names{"key 27", "key 40"}));
    MenuRun sub("key Alt+G Down Right Down Left Enter Enter Escape Escape Escape Down\n");
    ASSERT_EQ(sub.Go(), 0);
    EXPECT_EQ(sub.heard.heard,
              (Names{"menu mnuGame", "menu entry mnuGameNew", "menu entry mnuOptions",
                     "menu mnuOptions", "menu entry mnuOptionsFaster",     // Right opens it
                     "menu entry mnuOptionsFaster",                        // Down, round
                     "menu entry mnuOptions",                              // Left backs out
                     "menu mnuOptions", "menu entry mnuOptionsFaster"}));  // Enter opens it
    // The second Enter chose; the Escapes had no menu left, and Down reached the text box.
    EXPECT_EQ(sub.menus.chosen,
              (Names{"mnuOptionsFaster", "key 27", "key 27", "key 27", "key 40"}));
}

TEST(HeadlessMenus, AKeyMenusDoNotUseClosesTheMenuAndActsAsUsual) {
    MenuRun run("key Alt+G F2\nkey Alt+G Alt+Q\nkey Alt+G x\nkey Alt+G Escape Down\n");
    ASSERT_EQ(run.Go(), 0);
    EXPECT_EQ(run.menus.chosen, (Names{"key 113", "key 81", "mnuGameExit", "key 40"}));
}

TEST(HeadlessMenus, OtherInputClosesTheMenuAndNothingIsTraced) {
    MenuRun run("key Alt+G\nfocus lstA\nkey Down\nkey Alt+G\nclick btnOK\nkey Down\n");
    std::vector<std::string> clicks;
    run.menus.main.btnOK.onClick = [&] { clicks.push_back("OK"); };
    ASSERT_EQ(run.Go(), 0);
    EXPECT_EQ(clicks, Names{"OK"});
    EXPECT_EQ(run.menus.main.lstA.ListIndex(), 1);
    for (const std::string& line : run.harness.Lines())
        EXPECT_EQ(line.find("mnu"), std::string::npos) << line;
}

TEST(HeadlessMenus, AMessageBoxClosesTheMenu) {
    MenuRun run("key Alt+G\nwait 100\nanswer ok\nkey Down\n");
    run.menus.main.tmrA.onTimer = [&] {
        run.menus.main.tmrA.SetEnabled(false);
        run.harness.backend.ShowMessageBox({"Time's up"});
    };
    run.harness.backend.SetTitle("Main");
    auto go = [&] {
        return run.harness.backend.RunScript([&] {
            run.menus.main.form.Show();
            run.menus.main.tmrA.SetEnabled(true);
            run.heard.heard.clear();
        });
    };
    ASSERT_EQ(go(), 0);
    EXPECT_EQ(run.menus.chosen, Names{"key 40"});
    EXPECT_EQ(run.heard.heard,
              (Names{"menu mnuGame", "menu entry mnuGameNew", "box Main: Time's up"}));
}

TEST(HeadlessMenus, OpeningAMenuRaisesItsEvent) {
    MenuRun run("key Alt+H Escape\n");
    int opened = 0;
    run.menus.help.onClick = [&] { ++opened; };
    ASSERT_EQ(run.Go(), 0);
    EXPECT_EQ(opened, 1);
}

TEST(HeadlessAnnouncements, WindowsFocusHighlightsAndBoxesInTheirOrder) {
    Harness harness(
        "start\nkey Tab\nkey Down Down\nselect lstA 0\nfocus btnOK\nselect lstA 2\n"
        "answer yes\nclick btnExit\n");
    RecordingAnnouncements heard;
    harness.backend.SetAnnouncements(&heard);
    MainForm main(harness.backend);
    test::Dialog dialog(harness.backend);
    main.lstA.onGotFocus = [&] { heard.heard.push_back("lstA's own handler"); };
    main.btnExit.onClick = [&] {
        harness.backend.ShowMessageBox({"Sure?", Buttons::YesNo, Icon::Question, "Exit"});
        dialog.form.ShowModal();
    };
    dialog.form.onLoad = [&] { dialog.lstD.AddItem("one"); };
    harness.backend.RunScript([&] {
        main.form.Show();
        main.lstA.AddItem("a");
        main.lstA.AddItem("b");
        main.lstA.AddItem("c");
    });
    EXPECT_EQ(heard.heard,
              (Names{"window frmMain", "focus txtA",                  // shown
                     "lstA's own handler", "focus lstA",              // Tab
                     "entry lstA 0", "entry lstA 1", "entry lstA 0",  // Down Down, select
                     "focus btnOK",                                   // select elsewhere: none
                     "box Exit: Sure?",                               //
                     "window frmDialog", "focus lstD"}));
    // The box was announced after its trace line and before its answer.
    const auto lines = harness.Lines();
    const auto box = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("\"msgbox\"") != std::string::npos;
    });
    ASSERT_NE(box, lines.end());
    EXPECT_NE((box + 1)->find("\"answer\""), std::string::npos);
}

TEST(HeadlessScreenReader, TheScriptSaysWhetherOneRuns) {
    Harness harness(
        "screenreader none\nstart\nscreenreader running\nscreenreader running\n"
        "screenreader none\nscreenreader maybe\n");
    std::vector<bool> seen;
    EXPECT_TRUE(harness.backend.ScreenReaderRunning());
    harness.backend.onScreenReaderChanged = [&] {
        seen.push_back(harness.backend.ScreenReaderRunning());
    };
    EXPECT_EQ(harness.backend.RunScript([] {}), 2);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(harness.Lines("error"),
              std::vector<std::string>{
                  R"({"t":0,"ev":"error","text":"line 6: usage: screenreader running|none"})"});
}

}  // namespace
}  // namespace ui
