#include "platform/ui/wx/ListEnter.h"

#include <gtk/gtk.h>

#include <utility>

namespace ui::wx {
namespace {

using EnterHandler = std::function<void(Modifiers)>;

Modifiers ModifiersOf(guint state) {
    Modifiers modifiers = Modifiers::None;
    if ((state & GDK_SHIFT_MASK) != 0) {
        modifiers = modifiers | Modifiers::Shift;
    }
    if ((state & GDK_CONTROL_MASK) != 0) {
        modifiers = modifiers | Modifiers::Ctrl;
    }
    if ((state & GDK_MOD1_MASK) != 0) {
        modifiers = modifiers | Modifiers::Alt;
    }
    return modifiers;
}

// The generic "event" signal comes before "key-press-event", where the list's handlers sit.
gboolean OnEvent(GtkWidget*, GdkEvent* event, gpointer data) {
    if (event->type != GDK_KEY_PRESS) {
        return FALSE;
    }
    const GdkEventKey& key = event->key;
    if (key.keyval != GDK_KEY_Return && key.keyval != GDK_KEY_KP_Enter &&
        key.keyval != GDK_KEY_ISO_Enter) {
        return FALSE;
    }
    (*static_cast<EnterHandler*>(data))(ModifiersOf(key.state));
    return TRUE;
}

void DeleteHandler(gpointer data, GClosure*) {
    delete static_cast<EnterHandler*>(data);
}

}  // namespace

void CatchEnter(wxListBox& list, std::function<void(Modifiers)> onEnter) {
    GtkWidget* handle = list.GetHandle();
    if (GTK_IS_SCROLLED_WINDOW(handle)) {
        handle = gtk_bin_get_child(GTK_BIN(handle));
    }
    g_signal_connect_data(handle, "event", G_CALLBACK(OnEvent),
                          new EnterHandler(std::move(onEnter)), DeleteHandler, GConnectFlags{});
}

}  // namespace ui::wx
