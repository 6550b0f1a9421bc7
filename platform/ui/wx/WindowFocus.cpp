#include "platform/ui/wx/WindowFocus.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dialog.h>

namespace ui::wx {
namespace {

// Asks for the focus; GTK falls back to setting the X input focus itself when no window manager
// answers.
void Present(wxTopLevelWindow& window) {
    if (GtkWidget* handle = window.GetHandle();
        handle != nullptr && gtk_widget_get_mapped(handle)) {
        gtk_window_present(GTK_WINDOW(handle));
    }
}

gboolean OnMapped(GtkWidget* widget, GdkEvent*, gpointer) {
    gtk_window_present(GTK_WINDOW(widget));
    return FALSE;
}

// A window that goes away with the focus hands it back to its owner.
void OnHidden(GtkWidget* widget, gpointer) {
    GtkWindow* owner = gtk_window_get_transient_for(GTK_WINDOW(widget));
    if (owner != nullptr && gtk_window_is_active(GTK_WINDOW(widget)) &&
        gtk_widget_get_mapped(GTK_WIDGET(owner))) {
        gtk_window_present(owner);
    }
}

// The modal window opened last and still on screen, or nullptr.
wxDialog* NewestModal() {
    wxDialog* newest = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* dialog = dynamic_cast<wxDialog*>(window);
            dialog != nullptr && dialog->IsModal() && dialog->IsShown()) {
            newest = dialog;
        }
    }
    return newest;
}

}  // namespace

void SetOwner(wxTopLevelWindow& window, wxTopLevelWindow& owner) {
    GtkWidget* handle = window.GetHandle();
    GtkWidget* ownerHandle = owner.GetHandle();
    if (handle != nullptr && ownerHandle != nullptr && handle != ownerHandle) {
        gtk_window_set_transient_for(GTK_WINDOW(handle), GTK_WINDOW(ownerHandle));
    }
}

void KeepFocusWhereKeysGo(wxTopLevelWindow& window) {
    g_signal_connect(window.GetHandle(), "map-event", G_CALLBACK(OnMapped), nullptr);
    g_signal_connect(window.GetHandle(), "hide", G_CALLBACK(OnHidden), nullptr);
    window.Bind(wxEVT_ACTIVATE, [&window](wxActivateEvent& event) {
        event.Skip();
        if (!event.GetActive()) {
            return;
        }
        // Later, once GTK has finished the activation it is in the middle of.
        window.CallAfter([&window] {
            wxDialog* modal = NewestModal();
            if (modal != nullptr && modal != &window && window.IsActive()) {
                Present(*modal);
            }
        });
    });
}

}  // namespace ui::wx
