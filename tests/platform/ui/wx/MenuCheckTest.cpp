// A check entry of the model is a check item of the window's menu, and the menu shows the mark the
// program set each time it opens. Needs a display: run under xvfb-session.sh.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <memory>

#include "platform/ui/Form.h"
#include "platform/ui/wx/WxBackend.h"

namespace ui::wx {
namespace {

Backend* g_testBackend = nullptr;

wxMenuItem* FindEntry(wxMenuBar& bar, const char* label) {
    const int id = bar.FindMenuItem("Options", label);
    return id == wxNOT_FOUND ? nullptr : bar.FindItem(id);
}

TEST(MenuCheck, ACheckEntryShowsTheProgramsMarkAsItsMenuOpens) {
    Form form(*g_testBackend, "frmMarks", "Marks");
    form.AddControl("btnGo", ControlKind::Button, "&Go", 0);
    MenuItem& options = form.AddMenu("mnuOptions", "&Options");
    MenuItem& warns = options.Add("mnuWarns", "&Warns me");
    warns.SetMark(CheckMark::On);
    options.Add("mnuPlain", "&Plain");
    form.Load();
    form.Show();

    auto* frame = dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow());
    ASSERT_NE(frame, nullptr);
    wxMenuBar* bar = frame->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    wxMenuItem* check = FindEntry(*bar, "Warns me");
    wxMenuItem* plain = FindEntry(*bar, "Plain");
    ASSERT_NE(check, nullptr);
    ASSERT_NE(plain, nullptr);
    EXPECT_TRUE(check->IsCheckable());
    EXPECT_TRUE(check->IsChecked());
    EXPECT_FALSE(plain->IsCheckable());

    warns.SetMark(CheckMark::Off);
    wxMenuEvent opened(wxEVT_MENU_OPEN, 0, bar->GetMenu(0));
    frame->ProcessWindowEvent(opened);
    EXPECT_FALSE(check->IsChecked());
    form.Hide();
}

}  // namespace
}  // namespace ui::wx

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<ui::Backend> backend = ui::CreateWxBackend(argc, argv);
    if (!backend) {
        return 2;
    }
    ui::wx::g_testBackend = backend.get();
    return RUN_ALL_TESTS();
}
