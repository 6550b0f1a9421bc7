#include "platform/ui/wx/FormWindow.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include <vector>

#include "platform/ui/Naming.h"
#include "platform/ui/wx/ControlLabels.h"
#include "platform/ui/wx/FormKeys.h"
#include "platform/ui/wx/Guard.h"
#include "platform/ui/wx/KeyMap.h"
#include "platform/ui/wx/Layout.h"
#include "platform/ui/wx/ListEnter.h"
#include "platform/ui/wx/MenuAnnouncements.h"
#include "platform/ui/wx/PlainLabel.h"
#include "platform/ui/wx/QuietText.h"
#include "platform/ui/wx/Text.h"

namespace ui::wx {
namespace {

constexpr int kGap = 4;

// Binds a handler that runs only while its window's model is alive; afterwards the event goes
// on as if unhandled (wx may still deliver a few while a destroyed window is being deleted).
template <typename Event, typename Handler>
void On(wxEvtHandler& target, const wxEventTypeTag<Event>& type, const std::shared_ptr<bool>& alive,
        Handler handler) {
    target.Bind(type, [alive, handler](Event& event) {
        if (*alive) {
            handler(event);
        } else {
            event.Skip();
        }
    });
}

Modifiers ModifiersOf(const wxKeyEvent& event) {
    Modifiers modifiers = Modifiers::None;
    if (event.ShiftDown()) {
        modifiers = modifiers | Modifiers::Shift;
    }
    if (event.ControlDown()) {
        modifiers = modifiers | Modifiers::Ctrl;
    }
    if (event.AltDown()) {
        modifiers = modifiers | Modifiers::Alt;
    }
    return modifiers;
}

MenuItem* FindShortcut(const std::vector<std::unique_ptr<MenuItem>>& items, char letter) {
    for (const auto& item : items) {
        if (item->CtrlShortcut() == letter) {
            return item.get();
        }
        if (MenuItem* found = FindShortcut(item->Items(), letter); found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

wxString MenuLabel(const MenuItem& item) {
    wxString label = ToWx(item.Caption());
    if (item.CtrlShortcut() != 0) {
        label << "\tCtrl+" << wxUniChar(item.CtrlShortcut());
    }
    return label;
}

bool Grows(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::TextBox ||
           kind == ControlKind::ListBox;
}

}  // namespace

FormWindow::FormWindow(Form& form, WindowKind kind) : m_form(form), m_kind(kind) {
    const wxString title = ToWx(form.Caption());
    if (kind == WindowKind::Frame) {
        m_window = new wxFrame(nullptr, wxID_ANY, title);
    } else {
        // No parent: the model decides the lifetime of every form's window.
        auto* dialog = new wxDialog(nullptr, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                                    wxDEFAULT_DIALOG_STYLE | wxDIALOG_NO_PARENT);
        // Escape means nothing to a form unless its own key handlers say so.
        dialog->SetEscapeId(wxID_NONE);
        m_window = dialog;
    }
    m_root = new wxPanel(m_window);
    auto* rootSizer = new wxBoxSizer(wxVERTICAL);
    BuildControls(nullptr, *m_root, *rootSizer);
    m_root->SetSizer(rootSizer);
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(m_root, 1, wxEXPAND);
    m_window->SetSizer(outer);
    BuildMenus();
    if (kind == WindowKind::Frame) {
        m_window->SetClientSize(m_window->FromDIP(wxSize(560, 440)));
    } else {
        m_window->SetMinClientSize(m_window->FromDIP(wxSize(320, 0)));
        m_window->Fit();
    }
    RefreshAccessibleNames();
    BindWindowEvents();
}

FormWindow::~FormWindow() {
    *m_alive = false;
    if (auto* dialog = dynamic_cast<wxDialog*>(m_window); dialog != nullptr && dialog->IsModal()) {
        dialog->EndModal(wxID_CANCEL);
    }
    m_window->Destroy();
}

void FormWindow::BuildMenus() {
    if (m_form.Menus().empty()) {
        return;
    }
    auto* frame = dynamic_cast<wxFrame*>(m_window);
    if (frame == nullptr) {
        return;  // dialogs have no menu bar; their Ctrl shortcuts still work (OnCharHook)
    }
    auto* bar = new wxMenuBar;
    for (const auto& item : m_form.Menus()) {
        bar->Append(BuildMenu(*item), ToWx(item->Caption()));
    }
    frame->SetMenuBar(bar);
}

wxMenu* FormWindow::BuildMenu(const MenuItem& item) {
    auto* menu = new wxMenu;
    menu->SetClientData(const_cast<MenuItem*>(&item));
    for (const auto& child : item.Items()) {
        if (!child->Items().empty()) {
            menu->AppendSubMenu(BuildMenu(*child), ToWx(child->Caption()));
            continue;
        }
        const int id = wxWindow::NewControlId();
        if (child->Mark() == CheckMark::None) {
            menu->Append(id, MenuLabel(*child));
        } else {
            menu->AppendCheckItem(id, MenuLabel(*child))->Check(child->Mark() == CheckMark::On);
        }
        m_menuItems[id] = child.get();
    }
    return menu;
}

void FormWindow::ShowCheckMarks(wxMenu& menu) {
    for (wxMenuItem* item : menu.GetMenuItems()) {
        const auto found = m_menuItems.find(item->GetId());
        if (item->IsCheckable() && found != m_menuItems.end()) {
            item->Check(found->second->Mark() == CheckMark::On);
        }
    }
}

void FormWindow::BuildControls(const Control* frame, wxWindow& parent, wxSizer& sizer) {
    // Widgets are created in tab order: wx moves the focus between siblings in creation order.
    for (Control* control : TabOrderOn(m_form, frame)) {
        if (wxWindow* widget = CreateWidget(*control, parent)) {
            m_widgets[control] = widget;
        }
    }
    wxBoxSizer* buttonRow = nullptr;
    for (Control* control : LayoutOrder(m_form, frame)) {
        const auto found = m_widgets.find(control);
        if (found == m_widgets.end()) {
            continue;
        }
        wxWindow* widget = found->second;
        const int gap = parent.FromDIP(kGap);
        if (control->Kind() == ControlKind::Button) {
            if (buttonRow == nullptr) {
                buttonRow = new wxBoxSizer(wxHORIZONTAL);
                sizer.Add(buttonRow, 0, wxALL, gap);
            }
            buttonRow->Add(widget, 0, wxRIGHT, gap);
        } else {
            buttonRow = nullptr;
            sizer.Add(widget, Grows(control->Kind()) ? 1 : 0, wxEXPAND | wxALL, gap);
        }
        if (control->Kind() == ControlKind::Frame) {
            auto* inner = new wxBoxSizer(wxVERTICAL);
            BuildControls(control, *widget, *inner);
            widget->SetSizer(inner);
        }
        ApplyAll(*control);
        BindControlEvents(*control, *widget);
    }
}

wxWindow* FormWindow::CreateWidget(Control& control, wxWindow& parent) {
    switch (control.Kind()) {
        case ControlKind::Frame:
            return new wxPanel(&parent);
        case ControlKind::TextBox: {
            auto* text = new wxTextCtrl(&parent, wxID_ANY, wxString(), wxDefaultPosition,
                                        wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL);
            text->SetMinSize(parent.FromDIP(wxSize(360, 110)));
            WatchCaret(*text);
            return text;
        }
        case ControlKind::ListBox: {
            auto* list = new wxListBox(&parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0,
                                       nullptr, wxLB_SINGLE);
            list->SetMinSize(parent.FromDIP(wxSize(240, 140)));
            return list;
        }
        case ControlKind::Label:
            return new PlainLabel(&parent);
        case ControlKind::Button: {
            // Not marked as the toolkit's default button: Enter is routed to the form's
            // default button here (PressDefaultButton), and GTK must not press it a second time.
            return new wxButton(&parent, wxID_ANY, wxString());
        }
        case ControlKind::ObjectHost:
            return nullptr;  // a hosted object draws nothing on this platform
    }
    return nullptr;
}

void FormWindow::ApplyAll(Control& control) {
    for (Property property : {Property::Caption, Property::Items, Property::ListIndex,
                              Property::Enabled, Property::Visible}) {
        ApplyChange(control, property);
    }
}

void FormWindow::ApplyChange(Control& control, Property property) {
    const auto found = m_widgets.find(&control);
    if (found == m_widgets.end()) {
        return;
    }
    wxWindow* widget = found->second;
    auto* list = dynamic_cast<wxListBox*>(widget);
    switch (property) {
        case Property::Caption:
            if (auto* text = dynamic_cast<wxTextCtrl*>(widget); text != nullptr) {
                ReplaceText(*text, ToWx(ToDisplayText(control.Caption())));
            } else if (control.Kind() == ControlKind::Label ||
                       control.Kind() == ControlKind::Button) {
                widget->SetLabel(ToWx(control.Caption()));
                if (control.Kind() == ControlKind::Label) {
                    RefreshAccessibleNames();
                }
                widget->GetParent()->Layout();
            }
            break;
        case Property::Visible:
            if (widget->IsShown() != control.Visible()) {
                widget->Show(control.Visible());
                widget->GetParent()->Layout();
                m_root->Layout();
            }
            break;
        case Property::Enabled:
            widget->Enable(control.Enabled());
            break;
        case Property::Items:
            if (list != nullptr) {
                wxArrayString items;
                for (const auto& item : control.Items()) {
                    items.Add(ToWx(item));
                }
                list->Set(items);
                ApplyChange(control, Property::ListIndex);
            }
            break;
        case Property::Caret:
            if (auto* text = dynamic_cast<wxTextCtrl*>(widget); text != nullptr) {
                ResetCaret(*text);
            }
            break;
        case Property::ListIndex:
            if (list != nullptr && list->GetSelection() != control.ListIndex()) {
                const int index = control.ListIndex();
                if (index >= 0 && index < static_cast<int>(list->GetCount())) {
                    list->SetSelection(index);
                    list->EnsureVisible(index);
                } else {
                    list->SetSelection(wxNOT_FOUND);
                }
            }
            break;
    }
}

void FormWindow::ApplyFocus(Control& control) {
    const auto found = m_widgets.find(&control);
    if (found != m_widgets.end() && wxWindow::FindFocus() != found->second) {
        found->second->SetFocus();
    }
}

void FormWindow::Show() {
    if (m_kind == WindowKind::Dialog) {
        m_window->Fit();
    }
    m_window->Show();
    if (Control* active = m_form.ActiveControl(); active != nullptr) {
        ApplyFocus(*active);
    }
}

void FormWindow::ShowModal() {
    auto* dialog = dynamic_cast<wxDialog*>(m_window);
    if (dialog == nullptr || dialog->IsModal()) {
        return;
    }
    dialog->Fit();
    dialog->CentreOnScreen();
    if (Control* active = m_form.ActiveControl(); active != nullptr) {
        ApplyFocus(*active);
    }
    dialog->ShowModal();
}

void FormWindow::Hide() {
    if (auto* dialog = dynamic_cast<wxDialog*>(m_window); dialog != nullptr && dialog->IsModal()) {
        dialog->EndModal(wxID_CANCEL);
    } else {
        m_window->Hide();
    }
}

void FormWindow::RefreshAccessibleNames() {
    LabelControls(m_form, m_widgets);
}

void FormWindow::BindControlEvents(Control& control, wxWindow& widget) {
    Control* target = &control;
    if (control.Kind() == ControlKind::Frame || control.Kind() == ControlKind::Label) {
        return;  // never focused
    }
    On(widget, wxEVT_SET_FOCUS, m_alive, [this, target](wxFocusEvent& event) {
        event.Skip();
        if (m_form.ActiveControl() == target) {
            return;  // the model moved the focus here and has raised the event itself
        }
        m_form.NoteFocus(target);
        Defer("got focus", [target] { target->RaiseGotFocus(); });
    });
    if (control.Kind() == ControlKind::Button) {
        On(widget, wxEVT_BUTTON, m_alive,
           [target](wxCommandEvent&) { RunHandler("click", target->onClick); });
    }
    if (auto* list = dynamic_cast<wxListBox*>(&widget); list != nullptr) {
        CatchEnter(*list, [this, alive = m_alive, target](Modifiers modifiers) {
            if (*alive) {
                DeliverKey(target, vk::Return, modifiers);
            }
        });
        On(widget, wxEVT_LISTBOX, m_alive, [target, list](wxCommandEvent&) {
            RunHandler("list selection", [&] { target->SetListIndex(list->GetSelection()); });
        });
    }
}

void FormWindow::BindWindowEvents() {
    On(*m_window, wxEVT_CHAR_HOOK, m_alive, [this](wxKeyEvent& event) { OnCharHook(event); });
    On(*m_window, wxEVT_MENU, m_alive, [this](wxCommandEvent& event) {
        if (const auto found = m_menuItems.find(event.GetId()); found != m_menuItems.end()) {
            RunHandler("menu", found->second->onClick);
        }
    });
    On(*m_window, wxEVT_MENU_OPEN, m_alive, [this](wxMenuEvent& event) {
        event.Skip();
        if (event.GetMenu() == nullptr) {
            return;
        }
        ShowCheckMarks(*event.GetMenu());
        AnnounceMenuOpened(m_form.GetBackend(), event.GetMenu());
        if (auto* item = static_cast<MenuItem*>(event.GetMenu()->GetClientData()); item) {
            Defer("menu opened", [item] {
                if (item->onClick) {
                    item->onClick();
                }
            });
        }
    });
    On(*m_window, wxEVT_MENU_HIGHLIGHT, m_alive, [this](wxMenuEvent& event) {
        event.Skip();
        AnnounceMenuHighlight(m_form.GetBackend(), m_menuItems, event);
    });
    On(*m_window, wxEVT_ACTIVATE, m_alive, [this](wxActivateEvent& event) {
        event.Skip();
        // The form itself takes the focus only when none of its controls can.
        if (event.GetActive()) {
            Defer("form got focus", [this] {
                if (m_form.TabOrder().empty() && m_form.onGotFocus) {
                    m_form.onGotFocus();
                }
            });
        }
    });
    // The system's close command asks the model, which may refuse; the window itself is never
    // destroyed here, only hidden when the model unloads the form.
    On(*m_window, wxEVT_CLOSE_WINDOW, m_alive, [this](wxCloseEvent& event) {
        bool unloaded = false;
        RunHandler("unload", [&] { unloaded = m_form.Unload(); });
        if (!unloaded && event.CanVeto()) {
            event.Veto();
        }
    });
}

void FormWindow::OnKeyDown(Control* control, wxKeyEvent& event) {
    const int code = ToVirtualKey(event.GetKeyCode());
    if (code == vk::None || DeliverKey(control, code, ModifiersOf(event))) {
        event.Skip();
    }
}

bool FormWindow::DeliverKey(Control* control, int pressed, Modifiers modifiers) {
    const auto& handler = control != nullptr ? control->onKeyDown : m_form.onKeyDown;
    if (handler) {
        int code = pressed;
        const auto alive = m_alive;
        RunHandler("key down", [&] { handler(code, modifiers); });
        if (!*alive || code == vk::None) {
            return false;  // the handler kept the key from its default action
        }
    }
    return !TakeFormKey(m_form, control, pressed, modifiers);
}

void FormWindow::OnCharHook(wxKeyEvent& event) {
    // Keys are taken here, before the focused widget sees them: a GTK list keeps Ctrl+N and
    // Enter to itself.
    if (event.GetModifiers() == wxMOD_CONTROL) {
        const int code = ToVirtualKey(event.GetKeyCode());
        if (code >= vk::LetterA && code < vk::LetterA + 26) {
            if (MenuItem* item = FindShortcut(m_form.Menus(), static_cast<char>(code)); item) {
                RunHandler("menu shortcut", item->onClick);
                return;
            }
        }
    }
    if (event.GetModifiers() == wxMOD_ALT &&
        IsWindowAccessKey(m_form, ToVirtualKey(event.GetKeyCode()))) {
        event.Skip();
        return;
    }
    OnKeyDown(FocusedControl(), event);
}

Control* FormWindow::FocusedControl() const {
    const wxWindow* focus = wxWindow::FindFocus();
    for (const auto& [control, widget] : m_widgets) {
        if (widget == focus) {
            return control;
        }
    }
    return nullptr;
}

void FormWindow::Defer(const char* what, std::function<void()> handler) {
    wxTheApp->CallAfter([alive = m_alive, what, handler = std::move(handler)] {
        if (*alive) {
            RunHandler(what, handler);
        }
    });
}

}  // namespace ui::wx
