// A static text that wx leaves alone: wx would make every label the label of the next focusable
// widget in tab order (the dealer's cards labelled "Player", a list's scroll container, the
// button after a message box's text), each time it lays out the focus chain. Which control a
// label names is set by SetLabelTarget.
#pragma once

#include <wx/stattext.h>

namespace ui::wx {

class PlainLabel final : public wxStaticText {
public:
    explicit PlainLabel(wxWindow* parent) : wxStaticText(parent, wxID_ANY, wxString()) {}

protected:
    bool GTKWidgetNeedsMnemonic() const override { return false; }
};

}  // namespace ui::wx
