#include <gtest/gtest.h>

#include "platform/ui/wx/Layout.h"
#include "tests/platform/ui/RecordingBackend.h"

namespace ui::wx {
namespace {

std::vector<std::string> Names(const std::vector<Control*>& controls) {
    std::vector<std::string> names;
    for (const Control* control : controls) {
        names.push_back(control->Name());
    }
    return names;
}

TEST(Layout, ALabelStandsAboveTheControlItIsNamedAfter) {
    test::RecordingBackend backend;
    Form form{backend, "frmReader", "Screen Reader"};
    form.AddControl("btnOK", ControlKind::Button, "OK", 2);
    form.AddControl("lblReader", ControlKind::Label, "Screen Reader", 1);
    form.AddControl("lstReader", ControlKind::ListBox, "", 0);
    EXPECT_EQ(Names(TabOrderOn(form, nullptr)),
              (std::vector<std::string>{"lstReader", "lblReader", "btnOK"}));
    EXPECT_EQ(Names(LayoutOrder(form, nullptr)),
              (std::vector<std::string>{"lblReader", "lstReader", "btnOK"}));
}

TEST(Layout, OtherLabelsKeepTheirTabPlaceAndFramesAreLaidOutApart) {
    test::RecordingBackend backend;
    Form form{backend, "GameScreen", "Ventrelle"};
    Control& table = form.AddControl("frameGameScreen", ControlKind::Frame, "", 30);
    Control& stakes = form.AddControl("frameStakes", ControlKind::Frame, "", 31);
    form.AddControl("txtPlayer", ControlKind::TextBox, "", 0, &table);
    form.AddControl("lblPlayer", ControlKind::Label, "Player", 1, &table);
    form.AddControl("txtDealer", ControlKind::TextBox, "", 5, &table);
    form.AddControl("btnHit", ControlKind::Button, "Hit", 6, &table);
    form.AddControl("lblDealer", ControlKind::Label, "Dealer", 11, &table);
    form.AddControl("lblStakes", ControlKind::Label, "", 12, &table);
    form.AddControl("lblStakesAmount", ControlKind::Label, "Stakes", 16, &stakes);
    form.AddControl("lstStakes", ControlKind::ListBox, "", 17, &stakes);
    EXPECT_EQ(Names(LayoutOrder(form, &table)),
              (std::vector<std::string>{"lblPlayer", "txtPlayer", "lblDealer", "txtDealer",
                                        "btnHit", "lblStakes"}));
    EXPECT_EQ(Names(LayoutOrder(form, &stakes)),
              (std::vector<std::string>{"lblStakesAmount", "lstStakes"}));
    EXPECT_EQ(Names(LayoutOrder(form, nullptr)),
              (std::vector<std::string>{"frameGameScreen", "frameStakes"}));
}

}  // namespace
}  // namespace ui::wx
