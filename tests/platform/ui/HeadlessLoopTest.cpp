#include <gtest/gtest.h>

#include <thread>

#include "HeadlessHarness.h"

namespace ui {
namespace {

using test::Dialog;
using test::Harness;
using test::MainForm;
using Lines = std::vector<std::string>;
using Times = std::vector<std::uint64_t>;

TEST(HeadlessLoop, TimerFiresEveryIntervalFromWhenItWasEnabled) {
    Harness harness("start\nwait 30\nclick btnOK\nwait 300\nclick btnOK\nwait 500\n");
    MainForm main(harness.backend);
    Times fired;
    main.tmrA.onTimer = [&] { fired.push_back(harness.backend.NowMs()); };
    main.btnOK.onClick = [&] { main.tmrA.SetEnabled(!main.tmrA.Enabled()); };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(fired, (Times{130, 230, 330}));
    EXPECT_EQ(harness.backend.NowMs(), 830u);
}

TEST(HeadlessLoop, TimersDueTogetherFireInTheOrderTheyWereArmed) {
    Harness harness("start\nwait 200\n");
    MainForm main(harness.backend);
    Timer& second = main.form.AddTimer("tmrB", 50);
    std::vector<std::string> fired;
    main.tmrA.onTimer = [&] { fired.push_back("A" + std::to_string(harness.backend.NowMs())); };
    second.onTimer = [&] { fired.push_back("B" + std::to_string(harness.backend.NowMs())); };
    harness.backend.RunScript([&] {
        main.form.Show();
        main.tmrA.SetEnabled(true);
        second.SetEnabled(true);
    });
    EXPECT_EQ(fired, (std::vector<std::string>{"B50", "A100", "B100", "B150", "A200", "B200"}));
}

TEST(HeadlessLoop, TimersFireInsideAWaitThatReturnsAtItsDeadline) {
    Harness harness("start\nclick btnOK\nwait 1000\n");
    MainForm main(harness.backend);
    Times fired;
    std::uint64_t returnedAt = 0;
    main.tmrA.onTimer = [&] { fired.push_back(harness.backend.NowMs()); };
    main.btnOK.onClick = [&] {
        main.tmrA.SetEnabled(true);
        harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 250);
        returnedAt = harness.backend.NowMs();
        main.tmrA.SetEnabled(false);
    };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(fired, (Times{100, 200}));
    EXPECT_EQ(returnedAt, 250u);
}

TEST(HeadlessLoop, ScriptCommandsRunInsideAWait) {
    Harness harness("start\nclick btnOK\nwait 200\nclick btnExit\nwait 1000\n");
    MainForm main(harness.backend);
    int depth = 0;
    std::vector<std::string> seen;
    main.btnOK.onClick = [&] {
        ++depth;
        harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 500);
        seen.push_back("OK done at " + std::to_string(harness.backend.NowMs()));
        --depth;
    };
    main.btnExit.onClick = [&] {
        seen.push_back("Exit at " + std::to_string(harness.backend.NowMs()) + " depth " +
                       std::to_string(depth));
    };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"Exit at 200 depth 1", "OK done at 500"}));
    EXPECT_EQ(harness.backend.NowMs(), 1200u);
}

TEST(HeadlessLoop, NestedWaitsReturnInStackOrder) {
    // The click waits until 1000; a timer at 100 waits until 600, and one at 200 waits past the
    // click's deadline, until 1300, so the click's wait can only return after it.
    Harness harness("start\nclick btnOK\nwait 5000\n");
    MainForm main(harness.backend);
    Timer& late = main.form.AddTimer("tmrLate", 200);
    std::vector<std::string> seen;
    auto note = [&](const std::string& what) {
        seen.push_back(what + "@" + std::to_string(harness.backend.NowMs()));
    };
    main.tmrA.onTimer = [&] {
        main.tmrA.SetEnabled(false);
        note("A in");
        harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 500);
        note("A out");
    };
    late.onTimer = [&] {
        late.SetEnabled(false);
        note("L in");
        harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 1100);
        note("L out");
    };
    main.btnOK.onClick = [&] {
        main.tmrA.SetEnabled(true);
        late.SetEnabled(true);
        note("OK in");
        harness.backend.ProcessEventsUntil(1000);
        note("OK out");
    };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(seen, (std::vector<std::string>{"OK in@0", "A in@100", "L in@200", "L out@1300",
                                              "A out@1300", "OK out@1300"}));
}

TEST(HeadlessLoop, ATimerDoesNotFireWhileItsHandlerWaits) {
    Harness harness("start\nwait 450\n");
    MainForm main(harness.backend);
    Times fired;
    main.tmrA.onTimer = [&] {
        fired.push_back(harness.backend.NowMs());
        if (fired.size() == 1)
            harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 250);
    };
    harness.backend.RunScript([&] {
        main.form.Show();
        main.tmrA.SetEnabled(true);
    });
    EXPECT_EQ(fired, (Times{100, 400}));
}

TEST(HeadlessLoop, AtTheEndOfTheScriptAWaitRunsOnToItsDeadline) {
    Harness harness("start\nclick btnOK\n");
    MainForm main(harness.backend);
    Times fired;
    std::uint64_t finishedAt = 0;
    main.tmrA.onTimer = [&] { fired.push_back(harness.backend.NowMs()); };
    main.btnOK.onClick = [&] {
        main.tmrA.SetEnabled(true);
        harness.backend.ProcessEventsUntil(300);
        finishedAt = harness.backend.NowMs();
    };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(finishedAt, 300u);
    // The tick due at the deadline itself comes after the wait, before the main loop stops.
    EXPECT_EQ(fired, (Times{100, 200, 300}));
}

TEST(HeadlessLoop, AWaitWithAPastDeadlineReturnsAtOnce) {
    Harness harness("start\nwait 100\n");
    std::uint64_t after = 1;
    harness.backend.RunScript([&] {
        harness.backend.ProcessEventsUntil(0);
        after = harness.backend.NowMs();
    });
    EXPECT_EQ(after, 0u);
}

TEST(HeadlessLoop, ModalFormTakesTheCommandsAimedAtIt) {
    Harness harness("start\nkey Down Down\nselect lstD 0\nkey Enter\ndump\n");
    MainForm main(harness.backend);
    Dialog dialog(harness.backend);
    int chosen = -2;
    dialog.btnClose.onClick = [&] {
        chosen = dialog.lstD.ListIndex();
        dialog.form.Unload();
    };
    EXPECT_EQ(harness.backend.RunScript([&] {
        main.form.Show();
        dialog.form.ShowModal();
    }),
              0);
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(dialog.form.State(), FormState::NotLoaded);
    EXPECT_EQ(harness.Lines(), (Lines{
                                   R"({"t":0,"ev":"form","name":"frmMain","state":"shown"})",
                                   R"({"t":0,"ev":"focus","control":"txtA"})",
                                   R"({"t":0,"ev":"items","control":"lstD","value":["one","two"]})",
                                   R"({"t":0,"ev":"form","name":"frmDialog","state":"shown"})",
                                   R"({"t":0,"ev":"focus","control":"lstD"})",
                                   R"({"t":0,"ev":"selected","control":"lstD","value":0})",
                                   R"({"t":0,"ev":"selected","control":"lstD","value":1})",
                                   R"({"t":0,"ev":"selected","control":"lstD","value":0})",
                                   R"({"t":0,"ev":"form","name":"frmDialog","state":"closed"})",
                                   R"({"t":0,"ev":"state","frame":"frameA","focus":"txtA"})",
                               }));
}

TEST(HeadlessLoop, ModalFormBlocksTheFormsBehindIt) {
    Harness harness("start\nclick btnOK\n");
    MainForm main(harness.backend);
    Dialog dialog(harness.backend);
    EXPECT_EQ(harness.backend.RunScript([&] {
        main.form.Show();
        dialog.form.ShowModal();
    }),
              2);
    EXPECT_EQ(
        harness.Lines().back(),
        R"j({"t":0,"ev":"error","text":"line 2: the control \"btnOK\" is on frmMain, which does not take input now (frmDialog is active)"})j");
}

TEST(HeadlessLoop, ModalFormOpenAtTheEndIsAnError) {
    Harness harness("start\nwait 10\n");
    Dialog dialog(harness.backend);
    EXPECT_EQ(harness.backend.RunScript([&] { dialog.form.ShowModal(); }), 2);
    EXPECT_EQ(harness.Lines().back(),
              R"({"t":10,"ev":"error","text":"the script ended with the form frmDialog open"})");
}

TEST(HeadlessLoop, ReloadedModalFormStartsAfresh) {
    Harness harness("start\nclick btnClose\nclick btnClose\n");
    Dialog dialog(harness.backend);
    EXPECT_EQ(harness.backend.RunScript([&] {
        dialog.form.ShowModal();
        dialog.form.ShowModal();
    }),
              0);
    EXPECT_EQ(harness.Lines("items").size(), 2u);
    EXPECT_EQ(harness.Lines("items").back(),
              R"({"t":0,"ev":"items","control":"lstD","value":["one","two"]})");
}

TEST(HeadlessLoop, AnswerQueuedBeforeTheBoxOpens) {
    Harness harness("answer yes\nstart\nanswer no\nclick btnOK\n");
    MainForm main(harness.backend);
    std::vector<Answer> answers;
    main.btnOK.onClick = [&] {
        answers.push_back(harness.backend.ShowMessageBox({"Second?", Buttons::YesNo}));
    };
    EXPECT_EQ(harness.backend.RunScript([&] {
        main.form.Show();
        answers.push_back(harness.backend.ShowMessageBox({"First?", Buttons::YesNo}));
    }),
              0);
    EXPECT_EQ(answers, (std::vector<Answer>{Answer::Yes, Answer::No}));
    EXPECT_EQ(harness.Lines("answer").size(), 2u);
}

TEST(HeadlessLoop, UnansweredBoxAtTheEndIsAnError) {
    Harness harness("start\n");
    EXPECT_EQ(harness.backend.RunScript([&] { harness.backend.ShowMessageBox({"Hello"}); }), 2);
    EXPECT_EQ(
        harness.Lines().back(),
        R"({"t":0,"ev":"error","text":"the script ended with a message box open and no answer queued"})");
}

TEST(HeadlessLoop, AnswerMustFitTheBox) {
    Harness harness("start\nanswer yes\n");
    EXPECT_EQ(harness.backend.RunScript([&] { harness.backend.ShowMessageBox({"Hello"}); }), 2);
    EXPECT_EQ(
        harness.Lines().back(),
        R"({"t":0,"ev":"error","text":"line 2: the answer \"yes\" does not fit a message box with buttons \"ok\""})");

    Harness queued("answer ok\nstart\n");
    EXPECT_EQ(queued.backend.RunScript([&] {
        queued.backend.ShowMessageBox({"?", Buttons::YesNo});
    }),
              2);
    EXPECT_EQ(
        queued.Lines().back(),
        R"({"t":0,"ev":"error","text":"queued answer: the answer \"ok\" does not fit a message box with buttons \"yesno\""})");
}

TEST(HeadlessLoop, CancelClosesAnyBox) {
    Harness harness("start\nanswer cancel\nanswer cancel\n");
    std::vector<Answer> answers;
    harness.backend.RunScript([&] {
        answers.push_back(harness.backend.ShowMessageBox({"?", Buttons::YesNo}));
        answers.push_back(harness.backend.ShowMessageBox({"!"}));
    });
    EXPECT_EQ(answers, (std::vector<Answer>{Answer::Cancel, Answer::Cancel}));
}

TEST(HeadlessLoop, MessageBoxBlocksInputButTimersRun) {
    Harness harness("start\nwait 250\nclick btnOK\n");
    MainForm main(harness.backend);
    Times fired;
    main.tmrA.onTimer = [&] { fired.push_back(harness.backend.NowMs()); };
    EXPECT_EQ(harness.backend.RunScript([&] {
        main.form.Show();
        main.tmrA.SetEnabled(true);
        harness.backend.ShowMessageBox({"Wait"});
    }),
              2);
    EXPECT_EQ(fired, (Times{100, 200}));
    EXPECT_EQ(
        harness.Lines().back(),
        R"({"t":250,"ev":"error","text":"line 3: a message box is open: only answer, wait and dump reach it"})");
}

TEST(HeadlessLoop, EndInsideNestedLoopsEndsTheRun) {
    Harness harness("start\nclick btnOK\nwait 100\nclick btnExit\nclick btnOK\n");
    MainForm main(harness.backend);
    int clicks = 0;
    main.btnOK.onClick = [&] {
        ++clicks;
        harness.backend.ProcessEventsUntil(harness.backend.NowMs() + 1000);
    };
    main.btnExit.onClick = [&] { harness.backend.End(); };
    EXPECT_EQ(harness.backend.RunScript([&] { main.form.Show(); }), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(harness.Lines().back(), R"({"t":100,"ev":"end"})");
}

TEST(HeadlessLoop, WithoutStartTheProgramNeverRuns) {
    Harness harness("wait 10\n");
    bool started = false;
    EXPECT_EQ(harness.backend.RunScript([&] { started = true; }), 0);
    EXPECT_FALSE(started);
}

TEST(HeadlessLoop, StartTwiceIsAnError) {
    Harness harness("start\nstart\n");
    EXPECT_EQ(harness.backend.RunScript([] {}), 2);
    EXPECT_EQ(harness.Lines().back(),
              R"({"t":0,"ev":"error","text":"line 2: the program has started already"})");
}

TEST(HeadlessLoop, PostedWorkRunsAtTheCurrentVirtualTime) {
    Harness harness("start\nwait 100\n");
    std::uint64_t ranAt = 1;
    harness.backend.RunScript([&] {
        std::thread worker([&] { harness.backend.Post([&] { ranAt = harness.backend.NowMs(); }); });
        worker.join();
    });
    EXPECT_EQ(ranAt, 0u);
}

TEST(HeadlessLoop, TickCountWrapsWhileTheClockGoesOn) {
    const std::uint64_t nearWrap = (std::uint64_t{1} << 32) - 50;
    Harness harness("start\nwait 100\n");
    MainForm main(harness.backend);
    harness.backend.SetClock(nearWrap);
    std::uint32_t tickAtStart = 0;
    Times fired;
    main.tmrA.onTimer = [&] { fired.push_back(harness.backend.NowMs()); };
    harness.backend.RunScript([&] {
        tickAtStart = harness.backend.TickCount();
        main.form.Show();
        main.tmrA.SetEnabled(true);
    });
    EXPECT_EQ(tickAtStart, 0xFFFFFFCEu);
    EXPECT_EQ(harness.backend.TickCount(), 50u);
    EXPECT_EQ(harness.backend.NowMs(), nearWrap + 100);
    EXPECT_EQ(fired, Times{nearWrap + 100});
    EXPECT_EQ(harness.Lines().front(),
              R"({"t":4294967246,"ev":"form","name":"frmMain","state":"shown"})");
}

}  // namespace
}  // namespace ui
