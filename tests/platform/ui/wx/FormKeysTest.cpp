// What the window does with a key that the focused control's handler left alone.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/wx/FormKeys.h"
#include "tests/platform/ui/RecordingBackend.h"

namespace ui::wx {
namespace {

class FormKeysTest : public ::testing::Test {
protected:
    FormKeysTest() {
        ok.onClick = [this] { clicks.push_back("OK"); };
        cancel.onClick = [this] { clicks.push_back("Cancel"); };
    }

    test::RecordingBackend backend;
    Form form{backend, "frmTest", "Test"};
    Control& text = form.AddControl("txtA", ControlKind::TextBox, "", 0);
    Control& ok = form.AddControl("btnOK", ControlKind::Button, "&OK", 1);
    Control& cancel = form.AddControl("btnCancel", ControlKind::Button, "Cancel", 2);
    MenuItem& game = form.AddMenu("mnuGame", "&Game");
    std::vector<std::string> clicks;
};

TEST_F(FormKeysTest, EnterPressesTheDefaultButtonExceptOnAButton) {
    EXPECT_FALSE(TakeFormKey(form, &text, vk::Return));
    form.SetDefaultButton(ok);
    EXPECT_TRUE(TakeFormKey(form, &text, vk::Return));
    // A focused button presses itself; without a focused control nothing does.
    EXPECT_FALSE(TakeFormKey(form, &cancel, vk::Return));
    EXPECT_FALSE(TakeFormKey(form, nullptr, vk::Return));
    ok.SetEnabled(false);
    EXPECT_FALSE(TakeFormKey(form, &text, vk::Return));
    EXPECT_EQ(clicks, std::vector<std::string>{"OK"});
}

TEST_F(FormKeysTest, EscapePressesTheCancelButtonFromAnywhere) {
    EXPECT_FALSE(TakeFormKey(form, &text, vk::Escape));
    form.SetCancelButton(cancel);
    EXPECT_TRUE(TakeFormKey(form, &ok, vk::Escape));
    EXPECT_TRUE(TakeFormKey(form, nullptr, vk::Escape));
    cancel.SetVisible(false);
    EXPECT_FALSE(TakeFormKey(form, &text, vk::Escape));
    EXPECT_EQ(clicks, (std::vector<std::string>{"Cancel", "Cancel"}));
}

TEST_F(FormKeysTest, F1OpensTheApplicationsHelpFileWhenItHasOne) {
    EXPECT_FALSE(TakeFormKey(form, &text, vk::F1));
    backend.SetHelpFile("/prog\\ventra.html");
    backend.calls.clear();
    EXPECT_TRUE(TakeFormKey(form, &text, vk::F1));
    EXPECT_TRUE(TakeFormKey(form, nullptr, vk::F1));
    EXPECT_EQ(backend.calls,
              (std::vector<std::string>{"open /prog\\ventra.html", "open /prog\\ventra.html"}));
}

TEST_F(FormKeysTest, OtherKeysAreLeftToTheWidget) {
    form.SetDefaultButton(ok);
    form.SetCancelButton(cancel);
    for (const int code : {vk::F2, vk::Space, vk::Tab, vk::PageUp, int{'G'}}) {
        EXPECT_FALSE(TakeFormKey(form, &text, code)) << code;
    }
    EXPECT_TRUE(clicks.empty());
}

TEST_F(FormKeysTest, AltLettersOfButtonsAndMenusBelongToTheWindow) {
    EXPECT_TRUE(IsWindowAccessKey(form, 'O'));
    EXPECT_TRUE(IsWindowAccessKey(form, 'G'));
    EXPECT_FALSE(IsWindowAccessKey(form, 'C'));
    EXPECT_FALSE(IsWindowAccessKey(form, vk::F1));
    ok.SetVisible(false);
    EXPECT_FALSE(IsWindowAccessKey(form, 'O'));
}

TEST_F(FormKeysTest, OtherKeysGoToTheProgramsKeysWithTheirModifiers) {
    EXPECT_FALSE(TakeFormKey(form, &text, vk::F4));
    std::vector<std::string> seen;
    backend.SetApplicationKeys([&](int code, Modifiers modifiers) {
        seen.push_back(std::to_string(code) + (Has(modifiers, Modifiers::Ctrl) ? "+ctrl" : ""));
        return code == vk::F4;
    });
    EXPECT_TRUE(TakeFormKey(form, &text, vk::F4));
    EXPECT_FALSE(TakeFormKey(form, nullptr, vk::F5, Modifiers::Ctrl));
    // The window's own keys come first.
    form.SetCancelButton(cancel);
    EXPECT_TRUE(TakeFormKey(form, &text, vk::Escape));
    EXPECT_EQ(seen, (std::vector<std::string>{"115", "116+ctrl"}));
}

}  // namespace
}  // namespace ui::wx
