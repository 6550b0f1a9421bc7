#include "platform/ui/wx/MessageDialog.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>

#include "platform/ui/Naming.h"
#include "platform/ui/wx/Accessibility.h"
#include "platform/ui/wx/PlainLabel.h"
#include "platform/ui/wx/Text.h"
#include "platform/ui/wx/WindowFocus.h"

namespace ui::wx {
namespace {

void AddIcon(wxDialog& dialog, wxSizer& sizer, Icon icon) {
    if (icon == Icon::None) {
        return;
    }
    const wxArtID art = icon == Icon::Question ? wxART_QUESTION : wxART_INFORMATION;
    auto* bitmap = new wxStaticBitmap(&dialog, wxID_ANY,
                                      wxArtProvider::GetBitmapBundle(art, wxART_MESSAGE_BOX));
    sizer.Add(bitmap, 0, wxALL | wxALIGN_TOP, dialog.FromDIP(10));
}

// Adds the buttons; the first is the default and takes the focus.
void AddButtons(wxDialog& dialog, wxSizer& sizer, Buttons buttons) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    wxButton* first = nullptr;
    auto add = [&](int id, const wxString& caption) {
        auto* button = new wxButton(&dialog, id, caption);
        button->Bind(wxEVT_BUTTON, [&dialog, id](wxCommandEvent&) { dialog.EndModal(id); });
        row->Add(button, 0, wxALL, dialog.FromDIP(5));
        if (first == nullptr) {
            first = button;
        }
    };
    if (buttons == Buttons::YesNo) {
        add(wxID_YES, "&Yes");
        add(wxID_NO, "&No");
    } else {
        add(wxID_OK, "OK");
    }
    first->SetDefault();
    first->SetFocus();
    sizer.Add(row, 0, wxALIGN_CENTER_HORIZONTAL | wxBOTTOM, dialog.FromDIP(5));
}

Answer ToAnswer(int result, Buttons buttons) {
    switch (result) {
        case wxID_YES:
            return Answer::Yes;
        case wxID_NO:
            return Answer::No;
        case wxID_OK:
            return Answer::Ok;
        default:
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

}  // namespace

Answer RunMessageDialog(wxWindow* parent, const MessageBoxRequest& request,
                        const std::string& title) {
    wxDialog dialog(parent, wxID_ANY, ToWx(title));
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    AddIcon(dialog, *body, request.icon);
    // The text is the box's message, not the label of the button that follows it.
    auto* text = new PlainLabel(&dialog);
    // The text is shown as written: an ampersand in it is not an access key.
    text->SetLabelText(ToWx(ToDisplayText(request.text)));
    body->Add(text, 1, wxALL | wxALIGN_CENTER_VERTICAL, dialog.FromDIP(10));
    top->Add(body, 1, wxEXPAND);
    AddButtons(dialog, *top, request.buttons);
    dialog.SetSizerAndFit(top);
    dialog.CentreOnParent();
    PresentAsAlert(dialog, title);
    KeepFocusWhereKeysGo(dialog);
    // Escape and the close command answer "no choice", whatever buttons the box has.
    dialog.Bind(wxEVT_CHAR_HOOK, [&dialog](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE) {
            dialog.EndModal(wxID_CANCEL);
        } else {
            event.Skip();
        }
    });
    dialog.Bind(wxEVT_CLOSE_WINDOW, [&dialog](wxCloseEvent&) { dialog.EndModal(wxID_CANCEL); });
    return ToAnswer(dialog.ShowModal(), request.buttons);
}

}  // namespace ui::wx
