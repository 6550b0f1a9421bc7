// The modal message box: a small dialog whose accessible name is its title, so a screen
// reader announces the title (stock GTK message dialogs are named after their icon type).
#pragma once

#include <wx/window.h>

#include <string>

#include "platform/ui/MessageBox.h"

namespace ui::wx {

// Shows the box modally over `parent` (may be null) and returns the answer. Escape or the
// window's close command answer Ok for an OK box and Cancel for a Yes/No box.
Answer RunMessageDialog(wxWindow* parent, const MessageBoxRequest& request,
                        const std::string& title);

}  // namespace ui::wx
