// Names widgets for screen readers through GTK's accessibility objects, where wx has no call.
#pragma once

#include <wx/window.h>

#include <string>

namespace ui::wx {

// Sets the accessible name of a widget; for scrolled widgets (multi-line text, lists) the name
// goes on the inner view, which is what takes the focus.
void SetAccessibleName(wxWindow& widget, const std::string& name);

// Presents a top-level window as an alert named `name`, so its title is announced.
void PresentAsAlert(wxWindow& window, const std::string& name);

}  // namespace ui::wx
