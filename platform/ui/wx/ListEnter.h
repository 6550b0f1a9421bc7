// Enter pressed in a list box, caught before the toolkit's own list handling, which turns it
// into a double-click and never reports it as a key.
#pragma once

#include <wx/listbox.h>

#include <functional>

#include "platform/ui/KeyCodes.h"

namespace ui::wx {

// Calls onEnter for every Enter (main or keypad) pressed in the list; the list itself then
// ignores the key.
void CatchEnter(wxListBox& list, std::function<void(Modifiers)> onEnter);

}  // namespace ui::wx
