// Names widgets for screen readers through GTK's accessibility objects, where wx has no call.
#pragma once

#include <wx/window.h>

#include <string>

namespace ui::wx {

// Sets the accessible name of a widget; for scrolled widgets (multi-line text, lists) the name
// goes on the inner view, which is what takes the focus.
void SetAccessibleName(wxWindow& widget, const std::string& name);

// Makes the label widget `label` (a PlainLabel) the label of `target` (its inner view for
// scrolled widgets), or of nothing when target is null.
void SetLabelTarget(wxWindow& label, wxWindow* target);

// Fills in what GTK's list accessibility leaves out, once, after the toolkit has started: a list
// row's header cells, which Orca asks for at every move (the bridge then prints a GLib critical).
void CompleteToolkitAccessibility();

// Presents a message box as an alert named `title`, so the title is announced (GTK names message
// boxes after their icon type); a screen reader then reads the box's text, a label of no control.
void PresentAsAlert(wxWindow& window, const std::string& title);

}  // namespace ui::wx
