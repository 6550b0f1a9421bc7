// The native window of one form: a frame or a dialog with widgets built from the model's
// controls, kept in step with the model, and feeding clicks, keys, focus, list selection and
// close requests back into it.
#pragma once

#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/toplevel.h>

#include <memory>
#include <unordered_map>

#include "platform/ui/Form.h"

namespace ui::wx {

enum class WindowKind { Frame, Dialog };

class FormWindow {
public:
    FormWindow(Form& form, WindowKind kind);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow();

    WindowKind Kind() const { return m_kind; }
    wxTopLevelWindow& Window() const { return *m_window; }

    // Shows the window without blocking.
    void Show();
    // Dialogs only: shows the window modally; returns when Hide() ends the modal run.
    void ShowModal();
    // Hides the window, ending a modal run.
    void Hide();

    void ApplyChange(Control& control, Property property);
    // Moves the keyboard focus to the control's widget unless it already has it.
    void ApplyFocus(Control& control);

private:
    void BuildMenus();
    wxMenu* BuildMenu(const MenuItem& item);
    // The program sets check marks in the model; a menu shows them as it opens.
    void ShowCheckMarks(wxMenu& menu);
    void BuildControls(const Control* frame, wxWindow& parent, wxSizer& sizer);
    wxWindow* CreateWidget(Control& control, wxWindow& parent);
    void ApplyAll(Control& control);
    void BindControlEvents(Control& control, wxWindow& widget);
    void BindWindowEvents();
    void RefreshAccessibleNames();

    // A key for the model's handler of `control` (or of the form itself when null); skipped on
    // to the widget unless the handler swallowed it.
    void OnKeyDown(Control* control, wxKeyEvent& event);
    // Runs the key-down handler; true when the widget should still act on the key.
    bool DeliverKey(Control* control, int code, Modifiers modifiers);
    void OnCharHook(wxKeyEvent& event);
    Control* FocusedControl() const;
    // Runs a handler later, from the event queue, if this window still exists then: focus and
    // activation arrive inside GTK's focus handling, where a nested loop (Delay, a message
    // box) must not run.
    void Defer(const char* what, std::function<void()> handler);

    Form& m_form;
    WindowKind m_kind;
    wxTopLevelWindow* m_window;
    wxPanel* m_root;
    std::unordered_map<Control*, wxWindow*> m_widgets;
    std::unordered_map<int, MenuItem*> m_menuItems;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace ui::wx
