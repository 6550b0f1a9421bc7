#include <gtest/gtest.h>

#include "HeadlessHarness.h"

namespace ui {
namespace {

using test::Dialog;
using test::Harness;
using test::MainForm;
using Lines = std::vector<std::string>;
using Names = std::vector<std::string>;

// Runs a script on a shown MainForm with three list entries and returns the exit status.
int RunOnMain(Harness& harness, MainForm& main) {
    return harness.backend.RunScript([&] {
        main.form.Show();
        for (int i = 0; i < 25; ++i)
            main.lstA.AddItem("$" + std::to_string((i + 1) * 100));
    });
}

TEST(HeadlessInput, KeyGoesToTheFocusedControlWithItsCode) {
    Harness harness("start\nkey F2 h 113\n");
    MainForm main(harness.backend);
    std::vector<int> codes;
    main.txtA.onKeyDown = [&](int& keyCode, Modifiers modifiers) {
        EXPECT_EQ(modifiers, Modifiers::None);
        codes.push_back(keyCode);
    };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(codes, (std::vector<int>{vk::F2, 'H', vk::F2}));
}

TEST(HeadlessInput, KeyGoesToTheFormWhenNoControlHasFocus) {
    Harness harness("start\nkey Space\n");
    MainForm main(harness.backend);
    main.frameA.SetVisible(false);
    std::vector<int> codes;
    main.form.onKeyDown = [&](int& keyCode, Modifiers) { codes.push_back(keyCode); };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(codes, std::vector<int>{vk::Space});
}

TEST(HeadlessInput, FormWithNothingToFocusGetsTheFocusItself) {
    Harness harness("start\n");
    MainForm main(harness.backend);
    main.frameA.SetVisible(false);
    int gotFocus = 0;
    main.form.onGotFocus = [&] { ++gotFocus; };
    RunOnMain(harness, main);
    EXPECT_EQ(gotFocus, 1);
    EXPECT_TRUE(harness.Lines("focus").empty());
}

TEST(HeadlessInput, TabWalksTheTabOrderBothWays) {
    Harness harness("start\nkey Tab Tab Tab Tab\nkey Shift+Tab\n");
    MainForm main(harness.backend);
    main.btnOK.SetEnabled(false);
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(harness.Lines("focus"), (Lines{
                                          R"({"t":0,"ev":"focus","control":"txtA"})",
                                          R"({"t":0,"ev":"focus","control":"lstA"})",
                                          R"({"t":0,"ev":"focus","control":"btnExit"})",
                                          R"({"t":0,"ev":"focus","control":"txtA"})",
                                          R"({"t":0,"ev":"focus","control":"lstA"})",
                                          R"({"t":0,"ev":"focus","control":"txtA"})",
                                      }));
}

TEST(HeadlessInput, HandlerThatClearsTheKeyStopsTheDefaultAction) {
    Harness harness("start\nkey Tab\n");
    MainForm main(harness.backend);
    main.txtA.onKeyDown = [](int& keyCode, Modifiers) { keyCode = 0; };
    RunOnMain(harness, main);
    EXPECT_EQ(main.form.ActiveControl(), &main.txtA);
}

TEST(HeadlessInput, ArrowsMoveTheListHighlightWithinItsEntries) {
    Harness harness("start\nfocus lstA\nkey Up Down Down PageDown End Down PageUp Home Up\n");
    MainForm main(harness.backend);
    EXPECT_EQ(RunOnMain(harness, main), 0);
    Lines values;
    for (const std::string& line : harness.Lines("selected"))
        values.push_back(line.substr(line.find("\"value\"")));
    EXPECT_EQ(values, (Lines{R"("value":0})", R"("value":1})", R"("value":2})", R"("value":12})",
                             R"("value":24})", R"("value":14})", R"("value":0})"}));
}

TEST(HeadlessInput, EnterPressesTheDefaultButtonAndSpacePressesTheFocusedOne) {
    Harness harness("start\nkey Enter\nfocus btnExit\nkey Space Enter\nfocus txtA\nkey Space\n");
    MainForm main(harness.backend);
    Names clicks;
    main.form.SetDefaultButton(main.btnOK);
    main.btnOK.onClick = [&] { clicks.push_back("OK"); };
    main.btnExit.onClick = [&] { clicks.push_back("Exit"); };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(clicks, (Names{"OK", "Exit", "Exit"}));
}

TEST(HeadlessInput, DisabledDefaultButtonIsNotPressed) {
    Harness harness("start\nkey Enter\n");
    MainForm main(harness.backend);
    bool clicked = false;
    main.form.SetDefaultButton(main.btnOK);
    main.btnOK.SetEnabled(false);
    main.btnOK.onClick = [&] { clicked = true; };
    RunOnMain(harness, main);
    EXPECT_FALSE(clicked);
}

TEST(HeadlessInput, ShortcutsAndAccessKeys) {
    Harness harness("start\nkey Ctrl+Q\nkey Ctrl+N\nkey Alt+X\n");
    MainForm main(harness.backend);
    Names seen;
    main.form.FindMenuItem("mnuGameNew")->onClick = [&] { seen.push_back("new"); };
    main.btnExit.onClick = [&] { seen.push_back("exit"); };
    main.txtA.onKeyDown = [&](int& keyCode, Modifiers modifiers) {
        seen.push_back(std::to_string(keyCode) + (Has(modifiers, Modifiers::Ctrl) ? "+ctrl" : ""));
    };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(seen, (Names{"81+ctrl", "new", "exit"}));
    EXPECT_EQ(main.form.ActiveControl(), &main.btnExit);
}

TEST(HeadlessInput, AltWithAMenusLetterOpensTheMenuInsteadOfReachingTheControl) {
    Harness harness("start\nkey Alt+G\nkey Alt+H\n");
    MainForm main(harness.backend);
    std::vector<int> codes;
    main.txtA.onKeyDown = [&](int& keyCode, Modifiers) { codes.push_back(keyCode); };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(codes, std::vector<int>{'H'});
}

TEST(HeadlessInput, EscapePressesTheCancelButtonWhereverTheFocusIs) {
    Harness harness("start\nkey Escape\nfocus btnOK\nkey Escape\n");
    MainForm main(harness.backend);
    Names clicks;
    main.btnOK.onClick = [&] { clicks.push_back("OK"); };
    main.btnExit.onClick = [&] { clicks.push_back("Exit"); };
    main.form.SetCancelButton(main.btnExit);
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(clicks, (Names{"Exit", "Exit"}));
}

TEST(HeadlessInput, F1OpensTheHelpFileUnlessAHandlerTakesIt) {
    Harness harness("start\nkey F1\nfocus lstA\nkey F1\n");
    MainForm main(harness.backend);
    harness.backend.SetHelpFile("/prog\\help.html");
    main.txtA.onKeyDown = [&](int& keyCode, Modifiers) { keyCode = vk::None; };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(harness.Lines("shell"), Lines{R"({"t":0,"ev":"shell","file":"/prog\\help.html"})"});
}

TEST(HeadlessInput, F1WithoutAHelpFileDoesNothing) {
    Harness harness("start\nkey F1\n");
    MainForm main(harness.backend);
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_TRUE(harness.Lines("shell").empty());
}

TEST(HeadlessInput, ClickSelectFocusMenuAndClose) {
    Harness harness(
        "start\nclick btnOK\nselect lstA 3\nfocus frmMain.btnExit\nmenu mnuGameNew\nclose\n"
        "close\n");
    MainForm main(harness.backend);
    Names seen;
    bool refuse = true;
    main.btnOK.onClick = [&] { seen.push_back("ok"); };
    main.menu.Items().front()->onClick = [&] { seen.push_back("menu"); };
    main.form.onUnload = [&](bool& cancel) {
        seen.push_back("unload");
        cancel = std::exchange(refuse, false);
    };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    EXPECT_EQ(seen, (Names{"ok", "menu", "unload", "unload"}));
    EXPECT_EQ(main.form.State(), FormState::NotLoaded);
    EXPECT_EQ(harness.Lines("form").back(),
              R"({"t":0,"ev":"form","name":"frmMain","state":"closed"})");
}

struct BadCommand {
    const char* script;
    const char* error;
};

class HeadlessInputErrors : public testing::TestWithParam<BadCommand> {};

TEST_P(HeadlessInputErrors, AreReportedWithTheirLine) {
    Harness harness(std::string("start\n") + GetParam().script + "\n");
    MainForm main(harness.backend);
    Dialog dialog(harness.backend);
    main.btnExit.SetEnabled(false);
    main.lblA.SetVisible(false);
    EXPECT_EQ(RunOnMain(harness, main), 2);
    EXPECT_EQ(harness.Lines().back(),
              std::string(R"({"t":0,"ev":"error","text":"line 2: )") + GetParam().error + "\"}");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, HeadlessInputErrors,
    testing::Values(BadCommand{"click btnNone", R"(unknown control \"btnNone\")"},
                    BadCommand{"click btnExit", "cannot click btnExit: it is hidden or disabled"},
                    BadCommand{"click lblA", "cannot click lblA: it is hidden or disabled"},
                    BadCommand{"click lstD",
                               R"(the control \"lstD\" is on frmDialog, which does not take )"
                               "input now (frmMain is active)"},
                    BadCommand{"select lstA 25", R"(bad number \"25\")"},
                    BadCommand{"select btnOK 0", "btnOK is not a list box"},
                    BadCommand{"focus lblA", "cannot focus lblA"},
                    BadCommand{"menu mnuNone", R"(no menu item \"mnuNone\" on frmMain)"},
                    BadCommand{"key Banana", R"(unknown key \"Banana\")"},
                    BadCommand{"key", "usage: key K..."},
                    BadCommand{"wait -1", R"(bad number \"-1\")"},
                    BadCommand{"wait 1x", R"(bad number \"1x\")"},
                    BadCommand{"answer maybe", R"(unknown answer \"maybe\")"},
                    BadCommand{"close now", "usage: close"}));

TEST(HeadlessInput, InputBeforeAnyFormIsShownIsAnError) {
    Harness harness("key Tab\n");
    EXPECT_EQ(harness.backend.RunScript([] {}), 2);
    EXPECT_EQ(harness.Lines().back(), R"({"t":0,"ev":"error","text":"line 1: no form is shown"})");
}

TEST(HeadlessInput, KeysTheControlLeavesGoToTheProgramsKeys) {
    Harness harness("start\nkey F4 F12 Ctrl Shift+F6\nfocus lstA\nkey F5 Tab\n");
    MainForm main(harness.backend);
    std::vector<int> taken;
    harness.backend.SetApplicationKeys([&](int code, Modifiers modifiers) {
        taken.push_back(Has(modifiers, Modifiers::Shift) ? -code : code);
        return code != vk::Tab;
    });
    main.lstA.onKeyDown = [&](int& keyCode, Modifiers) {
        if (keyCode == vk::F5) {
            keyCode = vk::None;
        }
    };
    EXPECT_EQ(RunOnMain(harness, main), 0);
    // Tab keeps its meaning: it never reaches the program's keys.
    EXPECT_EQ(taken, (std::vector<int>{vk::F4, vk::F12, vk::Control, -vk::F6}));
    EXPECT_EQ(main.form.ActiveControl(), &main.btnOK);
}

}  // namespace
}  // namespace ui
