// Who owns a window and who has the keyboard focus, for screen readers: Orca speaks about the
// window that has the focus, and keys typed into a modal window while another one holds the
// focus go unannounced. A window manager usually does this work; without one (a bare X server)
// nothing else would.
#pragma once

#include <wx/toplevel.h>

namespace ui::wx {

// Ties `window` to `owner`: a window manager keeps it above its owner and focuses it.
void SetOwner(wxTopLevelWindow& window, wxTopLevelWindow& owner);

// Gives `window` the keyboard focus each time it comes on screen, gives it back to the owner when
// `window` goes with the focus, and hands the focus on to the newest modal window whenever
// `window` becomes active while one is open.
void KeepFocusWhereKeysGo(wxTopLevelWindow& window);

}  // namespace ui::wx
