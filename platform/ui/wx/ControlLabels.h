// Names a form's text boxes and lists for screen readers and ties each label to the control it
// names, on the widget that takes the focus. wx would tie every label to whatever widget happens
// to be created after it (the dealer's cards under "Player", a list's scroll container).
#pragma once

#include <wx/window.h>

#include <unordered_map>

#include "platform/ui/Form.h"

namespace ui::wx {

using WidgetMap = std::unordered_map<Control*, wxWindow*>;

// Applies the names and label relations of every control of `form` that has a widget; cheap to
// call again after a label's caption changed (names that did not change are left alone).
void LabelControls(const Form& form, const WidgetMap& widgets);

}  // namespace ui::wx
