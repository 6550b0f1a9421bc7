#include <gtest/gtest.h>

#include "RecordingAnnouncements.h"
#include "RecordingBackend.h"

namespace ui {
namespace {

using test::RecordingBackend;
using Calls = std::vector<std::string>;

class ModelTest : public testing::Test {
protected:
    RecordingBackend backend;
    Form form{backend, "frmTest", "Test"};

    void SetUp() override { Take(); }

    Calls Take() { return std::exchange(backend.calls, {}); }
};

TEST_F(ModelTest, SettersNotifyOnlyRealChanges) {
    Control& label = form.AddControl("lblName", ControlKind::Label, "Name", 0);
    Control& list = form.AddControl("lstItems", ControlKind::ListBox, "", 1);
    Take();
    label.SetCaption("Name");
    label.SetVisible(true);
    label.SetEnabled(true);
    list.SetListIndex(-1);
    list.ClearItems();
    EXPECT_EQ(Take(), Calls{});

    label.SetCaption("Other");
    label.SetVisible(false);
    label.SetEnabled(false);
    list.AddItem("a");
    list.AddItem("b");
    list.SetListIndex(1);
    list.SetListIndex(1);
    list.ClearItems();
    EXPECT_EQ(Take(), (Calls{"changed lblName Caption", "changed lblName Visible",
                             "changed lblName Enabled", "changed lstItems Items",
                             "changed lstItems Items", "changed lstItems ListIndex",
                             "changed lstItems ListIndex", "changed lstItems Items"}));
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_TRUE(list.Items().empty());
}

TEST_F(ModelTest, ListIndexOutsideTheEntriesThrows) {
    Control& list = form.AddControl("lstItems", ControlKind::ListBox, "", 0);
    list.AddItem("a");
    EXPECT_THROW(list.SetListIndex(1), std::out_of_range);
    EXPECT_THROW(list.SetListIndex(-2), std::out_of_range);
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ModelTest, SetFocusNotesThenNotifiesThenRunsHandlerOnce) {
    Control& text = form.AddControl("txtA", ControlKind::TextBox, "", 0);
    Calls seen;
    text.onGotFocus = [&] {
        seen.push_back(form.ActiveControl() == &text ? "handler after note" : "handler too early");
        seen.insert(seen.end(), backend.calls.begin(), backend.calls.end());
    };
    Take();
    text.SetFocus();
    text.SetFocus();
    EXPECT_EQ(seen, (Calls{"handler after note", "focus txtA"}));
    EXPECT_EQ(Take(), Calls{"focus txtA"});
}

TEST_F(ModelTest, FocusAndHighlightAreAnnouncedOnlyWhileTheFormIsOnScreen) {
    test::RecordingAnnouncements listener;
    backend.SetAnnouncements(&listener);
    Control& list = form.AddControl("lstA", ControlKind::ListBox, "", 0);
    Control& text = form.AddControl("txtA", ControlKind::TextBox, "", 1);
    list.AddItem("a");
    list.AddItem("b");
    list.onGotFocus = [&] { listener.heard.push_back("handler lstA"); };
    list.SetFocus();
    list.SetListIndex(0);
    form.Show();
    text.SetFocus();
    list.SetListIndex(1);  // not the focused control
    list.SetFocus();
    list.SetListIndex(0);
    list.ClearItems();
    text.RaiseGotFocus();  // as a back end does when the player moves the focus
    EXPECT_EQ(listener.heard, (Calls{"handler lstA", "focus txtA", "handler lstA", "focus lstA",
                                     "entry lstA 0", "entry lstA -1", "focus txtA"}));
}

TEST_F(ModelTest, ShowingFollowsTheFrame) {
    Control& frame = form.AddControl("frameA", ControlKind::Frame, "", 0);
    Control& button = form.AddControl("btnA", ControlKind::Button, "A", 1, &frame);
    EXPECT_TRUE(button.Showing());
    frame.SetVisible(false);
    EXPECT_FALSE(button.Showing());
    EXPECT_TRUE(button.Visible());
}

TEST_F(ModelTest, HidingTheFocusedControlOrItsFrameForgetsTheFocus) {
    Control& frame = form.AddControl("frameA", ControlKind::Frame, "", 0);
    Control& list = form.AddControl("lstA", ControlKind::ListBox, "", 1, &frame);
    int gotFocus = 0;
    list.onGotFocus = [&] { ++gotFocus; };
    list.SetFocus();
    frame.SetVisible(false);
    EXPECT_EQ(form.ActiveControl(), nullptr);
    // Shown again, focusing it is a real focus change: the handler runs again.
    frame.SetVisible(true);
    list.SetFocus();
    EXPECT_EQ(gotFocus, 2);
}

TEST_F(ModelTest, TabOrderHasShowingEnabledFocusableControlsByTabIndex) {
    Control& frameA = form.AddControl("frameA", ControlKind::Frame, "", 0);
    Control& frameB = form.AddControl("frameB", ControlKind::Frame, "", 1);
    Control& late = form.AddControl("btnLate", ControlKind::Button, "", 9, &frameA);
    form.AddControl("lblA", ControlKind::Label, "", 2, &frameA);
    Control& list = form.AddControl("lstA", ControlKind::ListBox, "", 3, &frameA);
    Control& text = form.AddControl("txtA", ControlKind::TextBox, "", 1, &frameA);
    form.AddControl("btnB", ControlKind::Button, "", 0, &frameB);
    Control& disabled = form.AddControl("btnOff", ControlKind::Button, "", 4, &frameA);
    form.AddControl("Sonivel1", ControlKind::ObjectHost, "", 5);
    disabled.SetEnabled(false);
    frameB.SetVisible(false);
    EXPECT_EQ(form.TabOrder(), (std::vector<Control*>{&text, &list, &late}));
}

TEST_F(ModelTest, AccessKeyIsTheLetterAfterTheAmpersand) {
    EXPECT_EQ(form.AddControl("a", ControlKind::Button, "E&xit Game", 0).AccessKey(), 'X');
    EXPECT_EQ(form.AddControl("b", ControlKind::Button, "&same", 0).AccessKey(), 'S');
    EXPECT_EQ(form.AddControl("c", ControlKind::Button, "Salt && &Pepper", 0).AccessKey(), 'P');
    EXPECT_EQ(form.AddControl("d", ControlKind::Button, "OK", 0).AccessKey(), 0);
    EXPECT_EQ(form.AddControl("e", ControlKind::Button, "Trailing&", 0).AccessKey(), 0);
}

TEST_F(ModelTest, AltReachesTheShownButtonOrTheMenuWithThatAccessKey) {
    Control& frame = form.AddControl("frameA", ControlKind::Frame, "", 0);
    Control& exit = form.AddControl("btnExit", ControlKind::Button, "E&xit", 1, &frame);
    form.AddControl("lblGo", ControlKind::Label, "&Go", 2);
    MenuItem& game = form.AddMenu("mnuGame", "&Game");
    game.Add("mnuGameExit", "E&xit Program");
    EXPECT_EQ(form.ButtonWithAccessKey('X'), &exit);
    EXPECT_EQ(form.MenuWithAccessKey('G'), &game);
    // Labels and menu items inside a menu are not reached from the window.
    EXPECT_EQ(form.ButtonWithAccessKey('G'), nullptr);
    EXPECT_EQ(form.MenuWithAccessKey('X'), nullptr);
    frame.SetVisible(false);
    EXPECT_EQ(form.ButtonWithAccessKey('X'), nullptr);
}

TEST_F(ModelTest, ResetCaretIsPassedOnEveryTime) {
    Control& text = form.AddControl("txtA", ControlKind::TextBox, "", 0);
    backend.calls.clear();
    text.ResetCaret();
    text.ResetCaret();
    EXPECT_EQ(backend.calls,
              (std::vector<std::string>{"changed txtA Caret", "changed txtA Caret"}));
}

TEST_F(ModelTest, LookupsFindByNameAndGetThrowsForUnknown) {
    Control& button = form.AddControl("btnA", ControlKind::Button, "", 0);
    Timer& timer = form.AddTimer("tmrA", 100);
    MenuItem& game = form.AddMenu("mnuGame", "&Game");
    MenuItem& item = game.Add("mnuGameNew", "&New Game ", 'N');
    EXPECT_EQ(&form.Get("btnA"), &button);
    EXPECT_EQ(form.Find("nothing"), nullptr);
    EXPECT_THROW(form.Get("nothing"), std::out_of_range);
    EXPECT_EQ(form.FindTimer("tmrA"), &timer);
    EXPECT_EQ(form.FindMenuItem("mnuGameNew"), &item);
    EXPECT_EQ(form.FindMenuItem("mnuGame"), &game);
    EXPECT_EQ(form.FindMenuItem("mnuNone"), nullptr);
}

TEST_F(ModelTest, FormLifeCycleCallsTheBackEndInOrder) {
    int loads = 0;
    form.onLoad = [&] { ++loads; };
    EXPECT_EQ(Take(), Calls{});
    form.Show();
    form.Show();
    EXPECT_EQ(form.State(), FormState::Shown);
    form.Hide();
    EXPECT_EQ(form.State(), FormState::Loaded);
    form.Show();
    EXPECT_TRUE(form.Unload());
    EXPECT_EQ(form.State(), FormState::NotLoaded);
    form.Show();
    EXPECT_EQ(loads, 2);
    EXPECT_EQ(Take(), (Calls{"loaded frmTest", "shown frmTest", "closed frmTest", "shown frmTest",
                             "closed frmTest", "loaded frmTest", "shown frmTest"}));
}

TEST_F(ModelTest, ConstructorAndDestructorAnnounceTheForm) {
    {
        Form other(backend, "frmOther", "Other");
        EXPECT_EQ(Take(), Calls{"created frmOther"});
    }
    EXPECT_EQ(Take(), Calls{"destroyed frmOther"});
}

TEST_F(ModelTest, LoadTellsTheBackEndBeforeOnLoadRuns) {
    form.onLoad = [&] {
        backend.calls.push_back("onLoad");
        form.Show();
    };
    form.Show();
    EXPECT_EQ(Take(), (Calls{"loaded frmTest", "onLoad", "shown frmTest"}));
}

TEST_F(ModelTest, CancelledUnloadKeepsTheForm) {
    form.onUnload = [](bool& cancel) { cancel = true; };
    form.Show();
    Take();
    EXPECT_FALSE(form.Unload());
    EXPECT_EQ(form.State(), FormState::Shown);
    EXPECT_EQ(Take(), Calls{});
}

TEST_F(ModelTest, UnloadStopsTimersRestoresControlsAndForgetsFocus) {
    Control& list = form.AddControl("lstA", ControlKind::ListBox, "", 0);
    Control& label = form.AddControl("lblA", ControlKind::Label, "Start", 1);
    Timer& timer = form.AddTimer("tmrA", 100);
    form.onLoad = [&] {
        list.AddItem("one");
        list.AddItem("two");
        list.SetListIndex(0);
    };
    form.Show();
    list.SetFocus();
    label.SetCaption("Changed");
    label.SetVisible(false);
    timer.SetEnabled(true);
    ASSERT_TRUE(form.Unload());
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(form.ActiveControl(), nullptr);
    EXPECT_EQ(label.Caption(), "Start");
    EXPECT_TRUE(label.Visible());
    EXPECT_TRUE(list.Items().empty());

    form.Show();
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"one", "two"}));
}

TEST_F(ModelTest, ShowModalLoadsAndHandsTheFormToTheBackEnd) {
    backend.whileModal = [](Form& shown) {
        EXPECT_EQ(shown.State(), FormState::ShownModal);
        shown.Unload();
    };
    form.ShowModal();
    EXPECT_EQ(form.State(), FormState::NotLoaded);
    EXPECT_EQ(Take(), (Calls{"loaded frmTest", "modal frmTest", "closed frmTest"}));
}

TEST_F(ModelTest, TimerNotifiesOnlyRealChanges) {
    Timer& timer = form.AddTimer("tmrA", 100);
    Take();
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    timer.SetEnabled(true);
    timer.SetEnabled(false);
    EXPECT_EQ(Take(), (Calls{"timer tmrA on", "timer tmrA off"}));
    EXPECT_EQ(timer.Interval(), 100);
}

}  // namespace
}  // namespace ui
