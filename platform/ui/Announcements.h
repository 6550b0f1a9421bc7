// What a screen reader announces as the player works the windows. The model and the back ends
// report each such moment to the listener the program gives its back end, after the moment's own
// events have been raised; the listener decides what, if anything, is said.
#pragma once

#include <string>

#include "platform/ui/MessageBox.h"

namespace ui {

class Control;
class Form;
class MenuItem;

class Announcements {
public:
    virtual ~Announcements() = default;

    // A window came on screen; the control given its focus is reported next.
    virtual void WindowAppeared(const Form& form) = 0;
    // A control of a window on screen took the keyboard focus.
    virtual void FocusMoved(const Control& control) = 0;
    // The highlight of the list that has its window's focus moved.
    virtual void EntryHighlighted(const Control& list) = 0;
    // A message box opened with the title `title`; its first button has the focus.
    virtual void MessageBoxOpened(const MessageBoxRequest& request, const std::string& title) = 0;
    // A menu of the menu bar, or a submenu, opened; the entry it highlights is reported next.
    virtual void MenuOpened(const MenuItem& menu) = 0;
    // An entry of the open menu is highlighted.
    virtual void MenuEntryHighlighted(const MenuItem& entry) = 0;
};

}  // namespace ui
