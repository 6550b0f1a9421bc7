// What a screen reader says as the player moves through a window's menus, told to the back end's
// announcements listener from the toolkit's menu events.
#pragma once

#include <wx/menu.h>

#include <unordered_map>

#include "platform/ui/Backend.h"
#include "platform/ui/Menu.h"

namespace ui::wx {

// A menu of the menu bar, or a submenu, opened (menus carry their model item as client data).
void AnnounceMenuOpened(Backend& backend, const wxMenu* menu);

// An entry was highlighted: one of `entries` (by command id), or one that opens a submenu.
void AnnounceMenuHighlight(Backend& backend, const std::unordered_map<int, MenuItem*>& entries,
                           const wxMenuEvent& event);

}  // namespace ui::wx
