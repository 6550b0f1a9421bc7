#include <gtest/gtest.h>

#include "platform/ui/wx/Naming.h"
#include "tests/platform/ui/RecordingBackend.h"

namespace ui::wx {
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

}  // namespace
}  // namespace ui::wx
