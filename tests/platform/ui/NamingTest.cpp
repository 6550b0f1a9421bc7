#include <gtest/gtest.h>

#include "platform/ui/Naming.h"
#include "tests/platform/ui/RecordingBackend.h"

namespace ui {
namespace {

TEST(Naming, NameWithoutPrefixDropsTheLowerCaseKind) {
    EXPECT_EQ(NameWithoutPrefix("txtPlayer"), "Player");
    EXPECT_EQ(NameWithoutPrefix("lstBet"), "Bet");
    EXPECT_EQ(NameWithoutPrefix("Sonivel1"), "Sonivel1");
    EXPECT_EQ(NameWithoutPrefix("notes"), "notes");  // nothing would be left
}

TEST(Naming, AccessMarkersAreRemovedAndDoubledAmpersandsKeptOnce) {
    EXPECT_EQ(WithoutAccessMarker("E&xit Game"), "Exit Game");
    EXPECT_EQ(WithoutAccessMarker("&Same Bet"), "Same Bet");
    EXPECT_EQ(WithoutAccessMarker("Salt && Pepper"), "Salt & Pepper");
    EXPECT_EQ(WithoutAccessMarker("Trailing&"), "Trailing&");
}

TEST(Naming, DisplayTextBreaksLinesOnLineFeedOnly) {
    EXPECT_EQ(ToDisplayText("Ace of Spades\r\nKing\rQueen\n"), "Ace of Spades\nKing\nQueen\n");
    EXPECT_EQ(ToDisplayText("\r\n\r\n"), "\n\n");
    EXPECT_EQ(ToDisplayText("plain"), "plain");
}

class TextBoxNames : public ::testing::Test {
protected:
    test::RecordingBackend backend;
    Form form{backend, "GameScreen", "Ventrelle"};
    Control& table = form.AddControl("frameGameScreen", ControlKind::Frame, "", 30);
    Control& results = form.AddControl("frameResults", ControlKind::Frame, "", 31);
    Control& txtPlayer = form.AddControl("txtPlayer", ControlKind::TextBox, "", 0, &table);
    Control& lblPlayer = form.AddControl("lblPlayer", ControlKind::Label, "Player", 1, &table);
    Control& txtDealer = form.AddControl("txtDealer", ControlKind::TextBox, "", 5, &table);
    Control& btnHit = form.AddControl("btnHit", ControlKind::Button, "Hit", 6, &table);
    Control& lblDealer = form.AddControl("lblDealer", ControlKind::Label, "Dealer", 11, &table);
    Control& btnExitGame =
        form.AddControl("btnExitGame", ControlKind::Button, "E&xit", 3, &results);
    Control& txtResults = form.AddControl("txtResults", ControlKind::TextBox, "", 23, &results);
    Control& lblResults = form.AddControl("lblResults", ControlKind::Label, "Elsewhere", 2);
};

TEST_F(TextBoxNames, TheLabelWithTheSameNameWinsOverTabOrder) {
    // lblPlayer sits nearer to txtDealer in tab order than lblDealer does.
    EXPECT_EQ(LabelFor(form, txtPlayer), &lblPlayer);
    EXPECT_EQ(LabelFor(form, txtDealer), &lblDealer);
    EXPECT_EQ(AccessibleNameFor(form, txtDealer), "Dealer");
}

TEST_F(TextBoxNames, WithoutALabelInItsFrameTheNameWithoutPrefixIsUsed) {
    // lblResults matches by name but lies outside the frame; the control before is a button.
    EXPECT_EQ(LabelFor(form, txtResults), nullptr);
    EXPECT_EQ(AccessibleNameFor(form, txtResults), "Results");
}

TEST_F(TextBoxNames, ALabelJustBeforeInTabOrderNamesTheBox) {
    Control& frame = form.AddControl("frameNotes", ControlKind::Frame, "", 40);
    Control& heading = form.AddControl("lblHeading", ControlKind::Label, "&Your Notes", 41, &frame);
    Control& text = form.AddControl("txtNotes", ControlKind::TextBox, "", 42, &frame);
    EXPECT_EQ(LabelFor(form, text), &heading);
    EXPECT_EQ(AccessibleNameFor(form, text), "Your Notes");
}

TEST_F(TextBoxNames, TheNameFollowsTheLabelsCaption) {
    lblPlayer.SetCaption("Player Hand 1");
    EXPECT_EQ(AccessibleNameFor(form, txtPlayer), "Player Hand 1");
    lblPlayer.SetCaption("");
    EXPECT_EQ(AccessibleNameFor(form, txtPlayer), "Player");
}

TEST_F(TextBoxNames, EachLabelNamesOnlyItsOwnBox) {
    EXPECT_EQ(ControlNamedBy(form, lblPlayer), &txtPlayer);  // not txtDealer, next in tab order
    EXPECT_EQ(ControlNamedBy(form, lblDealer), &txtDealer);
    EXPECT_EQ(ControlNamedBy(form, lblResults), nullptr);
    EXPECT_FALSE(TakesItsLabelsName(btnHit));  // a button is named by its caption
}

// The stakes and bet frames and the reader window: a label before its list in tab order, and a
// label after its list that shares its name.
class ListNames : public ::testing::Test {
protected:
    test::RecordingBackend backend;
    Form form{backend, "GameScreen", "Ventrelle"};
    Control& frameStakes = form.AddControl("frameStakes", ControlKind::Frame, "", 15);
    Control& btnStakesOK =
        form.AddControl("btnStakesOK", ControlKind::Button, "OK", 2, &frameStakes);
    Control& lblStakesAmount =
        form.AddControl("lblStakesAmount", ControlKind::Label, "Stakes", 16, &frameStakes);
    Control& lstStakes = form.AddControl("lstStakes", ControlKind::ListBox, "", 17, &frameStakes);
    Control& frameBet = form.AddControl("frameBet", ControlKind::Frame, "", 18);
    Control& lblBetAmount =
        form.AddControl("lblBetAmount", ControlKind::Label, "Bet Amount", 20, &frameBet);
    Control& lstBet = form.AddControl("lstBet", ControlKind::ListBox, "", 21, &frameBet);
    Form reader{backend, "frmReader", "Screen Reader"};
    Control& lstReader = reader.AddControl("lstReader", ControlKind::ListBox, "", 0);
    Control& lblReader = reader.AddControl("lblReader", ControlKind::Label, "Screen Reader", 1);
    Control& btnOK = reader.AddControl("btnOK", ControlKind::Button, "OK", 2);
};

TEST_F(ListNames, ListsAreNamedAfterTheirLabels) {
    EXPECT_EQ(AccessibleNameFor(form, lstStakes), "Stakes");
    EXPECT_EQ(AccessibleNameFor(form, lstBet), "Bet Amount");
    EXPECT_EQ(AccessibleNameFor(reader, lstReader), "Screen Reader");
    EXPECT_EQ(ControlNamedBy(form, lblStakesAmount), &lstStakes);
    EXPECT_EQ(ControlNamedBy(form, lblBetAmount), &lstBet);
    // The label just before the reader's OK button in tab order is the list's, not the button's.
    EXPECT_EQ(ControlNamedBy(reader, lblReader), &lstReader);
    EXPECT_FALSE(TakesItsLabelsName(btnOK));
}

}  // namespace
}  // namespace ui
