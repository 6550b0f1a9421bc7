// A control of the UI model (frame, text box, list box, label, button or a hosted object's place):
// its properties and its events. Every property change is passed on to the back end.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/KeyCodes.h"

namespace ui {

class Form;

enum class ControlKind { Frame, TextBox, ListBox, Label, Button, ObjectHost };

// Which property changed, for the back end. Caret: a text box's caret was put back at the top of
// its text with nothing selected (ResetCaret).
enum class Property { Caption, Visible, Enabled, Items, ListIndex, Caret };

class Control {
public:
    Control(Form& owner, std::string name, ControlKind kind, Control* frame, int tabIndex);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return m_name; }
    ControlKind Kind() const { return m_kind; }
    Form& Owner() const { return m_owner; }
    Control* Frame() const { return m_frame; }
    int TabIndex() const { return m_tabIndex; }

    // The caption of a frame, label or button ("&" marks the access key) or the text of a text box.
    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    // Visible itself and inside a visible frame (if any): can be seen, focused and tabbed to.
    bool Showing() const;

    // List boxes: the entries and the highlighted index (-1 = none). An index outside -1 ..
    // count-1 throws std::out_of_range; clearing the entries also clears the index. A change of
    // the highlight in the list that has the focus of a form on screen is announced.
    const std::vector<std::string>& Items() const { return m_items; }
    void AddItem(std::string item);
    void ClearItems();
    int ListIndex() const { return m_listIndex; }
    void SetListIndex(int index);

    // Text boxes: puts the caret at the top of the text with nothing selected (the windowed back
    // end skips leading empty lines, as it does when the text is set). The back end acts on it
    // whatever the caret's place, which the user moves without the model knowing.
    void ResetCaret();

    // Moves the keyboard focus here (the got-focus event follows); nothing happens when the
    // control already has its form's focus.
    void SetFocus();
    // Raises the got-focus event, then tells the back end's announcements listener that the focus
    // is here (while the form is on screen). SetFocus calls it, and the back ends do when the
    // player moves the focus.
    void RaiseGotFocus();

    // The access key letter of the caption (upper case), or 0 when it has none.
    char AccessKey() const;

    // Events. A key-down handler may set keyCode to 0 to keep the key from its default action.
    std::function<void()> onClick;
    std::function<void(int& keyCode, Modifiers modifiers)> onKeyDown;
    std::function<void()> onGotFocus;

private:
    void Changed(Property property);

    Form& m_owner;
    std::string m_name;
    ControlKind m_kind;
    Control* m_frame;
    int m_tabIndex;
    std::string m_caption;
    bool m_visible = true;
    bool m_enabled = true;
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

}  // namespace ui
