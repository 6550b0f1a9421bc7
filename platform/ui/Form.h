// A window of the UI model: its controls (in tab order), timers and menu bar, and its life:
// load, show (modeless or modal), unload with a cancel flag, hide.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/Control.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Timer.h"

namespace ui {

class Backend;

enum class FormState { NotLoaded, Loaded, Shown, ShownModal };

class Form {
public:
    Form(Backend& backend, std::string name, std::string caption);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();

    Backend& GetBackend() const { return m_backend; }
    const std::string& Name() const { return m_name; }
    const std::string& Caption() const { return m_caption; }
    FormState State() const { return m_state; }

    // Building the form (before it is loaded). `frame` is the frame the control sits on.
    Control& AddControl(std::string name, ControlKind kind, std::string caption, int tabIndex,
                        Control* frame = nullptr);
    Timer& AddTimer(std::string name, int intervalMs);
    MenuItem& AddMenu(std::string name, std::string caption);
    // The button that Enter anywhere in the form presses.
    void SetDefaultButton(Control& button) { m_defaultButton = &button; }
    // The button that Escape anywhere in the form presses.
    void SetCancelButton(Control& button) { m_cancelButton = &button; }

    // Looking things up; an unknown name is a programming error and throws std::out_of_range.
    Control& Get(const std::string& name) const;
    Control* Find(const std::string& name) const;
    Timer* FindTimer(const std::string& name) const;
    MenuItem* FindMenuItem(const std::string& name) const;

    const std::vector<std::unique_ptr<Control>>& Controls() const { return m_controls; }
    const std::vector<std::unique_ptr<Timer>>& Timers() const { return m_timers; }
    const std::vector<std::unique_ptr<MenuItem>>& Menus() const { return m_menus; }
    Control* DefaultButton() const { return m_defaultButton; }
    Control* CancelButton() const { return m_cancelButton; }

    // What Alt+letter reaches before the focused control: the shown, enabled button whose caption
    // marks that access key, or else the menu of the menu bar that does. Null when neither does.
    Control* ButtonWithAccessKey(char letter) const;
    MenuItem* MenuWithAccessKey(char letter) const;

    // Controls that can take the focus now, in tab order.
    std::vector<Control*> TabOrder() const;
    Control* ActiveControl() const { return m_activeControl; }

    // Loads the form if needed: tells the back end (FormLoaded), then runs onLoad. The control
    // values at that moment are kept and come back when the form is unloaded, so every load
    // starts from the same form.
    void Load();
    // Shows the form, loading it first; returns at once.
    void Show();
    // Shows the form modally: returns when it has been closed or hidden. The back end shows it
    // (RunModal); FormShown is not called for a modal form.
    void ShowModal();
    // Takes the form off the screen without unloading it (state Loaded; FormClosed follows).
    void Hide();
    // Asks the form to close: runs onUnload; returns false when the handler cancelled. Otherwise
    // the form is NotLoaded again: its timers stop, its controls get back their values from
    // before onLoad, the focus is forgotten, FormClosed follows, and the next Show loads it anew.
    bool Unload();

    std::function<void()> onLoad;
    std::function<void(bool& cancel)> onUnload;
    std::function<void()> onGotFocus;
    // Key pressed while the form itself (no control) has the focus.
    std::function<void(int& keyCode, Modifiers modifiers)> onKeyDown;

    // Called by Control::SetFocus and by the back ends when the focus moves.
    void NoteFocus(Control* control);

private:
    // The values of a control that an unload restores.
    struct ControlValues {
        std::string caption;
        bool visible;
        bool enabled;
        std::vector<std::string> items;
        int listIndex;
    };

    Backend& m_backend;
    std::string m_name;
    std::string m_caption;
    FormState m_state = FormState::NotLoaded;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<Timer>> m_timers;
    std::vector<std::unique_ptr<MenuItem>> m_menus;
    Control* m_defaultButton = nullptr;
    Control* m_cancelButton = nullptr;
    Control* m_activeControl = nullptr;
    std::vector<ControlValues> m_loadValues;
};

}  // namespace ui
