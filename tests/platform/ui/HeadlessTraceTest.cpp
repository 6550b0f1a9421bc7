#include <gtest/gtest.h>

#include "HeadlessHarness.h"

namespace ui {
namespace {

using test::Harness;
using test::MainForm;
using Lines = std::vector<std::string>;

TEST(HeadlessTrace, ModelEventsLineByLine) {
    Harness harness("start\n");
    MainForm main(harness.backend);
    main.lblA.SetCaption("Not traced: the form is not loaded");
    int status = harness.backend.RunScript([&] {
        main.form.Show();
        main.txtA.SetCaption("Ace of Spades\r\n");
        main.lblA.SetCaption("Player");
        main.lstA.AddItem("$100");
        main.lstA.AddItem("$200");
        main.lstA.SetListIndex(1);
        main.btnOK.SetEnabled(false);
        main.tmrA.SetEnabled(true);
        main.frameA.SetVisible(false);
        main.form.Unload();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(harness.Lines(),
              (Lines{
                  R"({"t":0,"ev":"form","name":"frmMain","state":"shown"})",
                  R"({"t":0,"ev":"focus","control":"txtA"})",
                  R"({"t":0,"ev":"text","control":"txtA","value":"Ace of Spades\r\n"})",
                  R"({"t":0,"ev":"caption","control":"lblA","value":"Player"})",
                  R"({"t":0,"ev":"items","control":"lstA","value":["$100","$200"]})",
                  R"({"t":0,"ev":"selected","control":"lstA","value":1})",
                  R"({"t":0,"ev":"timer","name":"tmrA","enabled":true})",
                  R"({"t":0,"ev":"visible","control":"frameA","value":false})",
                  R"({"t":0,"ev":"form","name":"frmMain","state":"closed"})",
              }));
}

TEST(HeadlessTrace, ClearingAndRefillingAListIsOneItemsEvent) {
    Harness harness("start\n");
    MainForm main(harness.backend);
    harness.backend.RunScript([&] {
        main.form.Show();
        main.lstA.AddItem("old");
        main.lstA.SetListIndex(0);
        main.lstA.ClearItems();
        main.lstA.AddItem("new");
        main.lstA.SetListIndex(0);
    });
    EXPECT_EQ(harness.Lines("items"),
              (Lines{R"({"t":0,"ev":"items","control":"lstA","value":["old"]})",
                     R"({"t":0,"ev":"items","control":"lstA","value":["new"]})"}));
    EXPECT_EQ(harness.Lines("selected").size(), 3u);
}

TEST(HeadlessTrace, ReportedEventsPassThroughAsGiven) {
    Harness harness("start\n");
    harness.backend.RunScript([&] {
        harness.backend.Report("speak", {{"reader", "JFW"}, {"text", "Press f2 for help. "}});
        harness.backend.Report("stopspeech", {{"reader", "JFW"}});
        harness.backend.Report(
            "setting",
            {{"app", "Ventrelle"}, {"section", "StartUp"}, {"key", "Reader"}, {"value", "JFW"}});
        harness.backend.Report("sound", {{"file", "/prog/hit.wav"}});
        // Opening a document is traced, with the path as given, and nothing is started.
        harness.backend.OpenDocument("/prog\\ventra.html");
    });
    EXPECT_EQ(
        harness.Lines(),
        (Lines{
            R"({"t":0,"ev":"speak","reader":"JFW","text":"Press f2 for help. "})",
            R"({"t":0,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":0,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"JFW"})",
            R"({"t":0,"ev":"sound","file":"/prog/hit.wav"})",
            R"({"t":0,"ev":"shell","file":"/prog\\ventra.html"})",
        }));
}

TEST(HeadlessTrace, MessageBoxAndAnswer) {
    Harness harness("start\nwait 50\nanswer no\nanswer ok\n");
    std::vector<Answer> answers;
    harness.backend.SetTitle("");
    harness.backend.RunScript([&] {
        answers.push_back(harness.backend.ShowMessageBox(
            {"Are you sure?\r\n", Buttons::YesNo, Icon::Question, "Exit Game"}));
        answers.push_back(harness.backend.ShowMessageBox({"Overflow in Delay()", Buttons::Ok}));
    });
    EXPECT_EQ(answers, (std::vector<Answer>{Answer::No, Answer::Ok}));
    EXPECT_EQ(
        harness.Lines(),
        (Lines{
            R"({"t":0,"ev":"msgbox","title":"Exit Game","text":"Are you sure?\r\n","buttons":"yesno","icon":"question"})",
            R"({"t":50,"ev":"answer","value":"no"})",
            R"j({"t":50,"ev":"msgbox","title":"","text":"Overflow in Delay()","buttons":"ok","icon":"none"})j",
            R"({"t":50,"ev":"answer","value":"ok"})",
        }));
}

TEST(HeadlessTrace, MessageBoxWithoutTitleShowsTheApplicationTitle) {
    Harness harness("start\nanswer ok\n");
    harness.backend.SetTitle("Ventrelle");
    harness.backend.RunScript([&] {
        harness.backend.ShowMessageBox({"Text", Buttons::Ok, Icon::Information, std::nullopt});
    });
    EXPECT_EQ(
        harness.Lines("msgbox"),
        Lines{
            R"({"t":0,"ev":"msgbox","title":"Ventrelle","text":"Text","buttons":"ok","icon":"information"})"});
}

TEST(HeadlessTrace, DumpWritesProviderFieldsThenFrameAndFocus) {
    Harness harness("dump\nstart\ndump\n");
    MainForm main(harness.backend);
    harness.backend.SetStateProvider([] { return json::Value::Object{{"Stakes", 1000}}; });
    harness.backend.RunScript([&] { main.form.Show(); });
    EXPECT_EQ(harness.Lines("state"),
              (Lines{R"({"t":0,"ev":"state","Stakes":1000,"frame":"","focus":""})",
                     R"({"t":0,"ev":"state","Stakes":1000,"frame":"frameA","focus":"txtA"})"}));
}

TEST(HeadlessTrace, EndWritesEndAndStopsTheScript) {
    Harness harness("start\nclick btnExit\nclick btnOK\n");
    MainForm main(harness.backend);
    bool okClicked = false;
    main.btnExit.onClick = [&] { harness.backend.End(); };
    main.btnOK.onClick = [&] { okClicked = true; };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(harness.Lines().back(), R"({"t":0,"ev":"end"})");
    EXPECT_FALSE(okClicked);
}

TEST(HeadlessTrace, ErrorLineAndExitStatusTwo) {
    Harness harness("start\n\njump 3\ndump\n");
    EXPECT_EQ(harness.backend.RunScript([] {}), 2);
    EXPECT_EQ(harness.Lines(),
              Lines{R"({"t":0,"ev":"error","text":"line 3: unknown command \"jump\""})"});
}

TEST(HeadlessTrace, ProgramCommandsGetTheirWordsAndReportBadArguments) {
    Harness harness("seed 42\nsetting Ventrelle StartUp Reader \" WE \"\nseed x\nstart\n");
    std::vector<std::vector<std::string>> calls;
    harness.backend.AddCommand("seed", [&](const std::vector<std::string>& args) {
        if (args.size() != 1 || args[0] == "x")
            throw ScriptError("bad seed");
        calls.push_back(args);
    });
    harness.backend.AddCommand(
        "setting", [&](const std::vector<std::string>& args) { calls.push_back(args); });
    bool started = false;
    EXPECT_EQ(harness.backend.RunScript([&] { started = true; }), 2);
    EXPECT_FALSE(started);
    EXPECT_EQ(calls, (std::vector<std::vector<std::string>>{
                         {"42"}, {"Ventrelle", "StartUp", "Reader", " WE "}}));
    EXPECT_EQ(harness.Lines(), Lines{R"({"t":0,"ev":"error","text":"line 3: bad seed"})"});
}

TEST(HeadlessTrace, BuiltInCommandNamesCannotBeTaken) {
    Harness harness("");
    EXPECT_THROW(harness.backend.AddCommand("wait", [](const auto&) {}), std::invalid_argument);
    harness.backend.AddCommand("deck", [](const auto&) {});
    EXPECT_THROW(harness.backend.AddCommand("deck", [](const auto&) {}), std::invalid_argument);
}

TEST(HeadlessTrace, UnhandledProgramErrorIsReported) {
    Harness harness("start\n");
    EXPECT_EQ(harness.backend.RunScript([] { throw std::runtime_error("boom"); }), 2);
    EXPECT_EQ(harness.Lines(), Lines{R"({"t":0,"ev":"error","text":"unhandled error: boom"})"});
}

}  // namespace
}  // namespace ui
