#include "platform/ui/wx/Accessibility.h"

#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>

#include <cstring>

#include "platform/ui/wx/Text.h"

namespace ui::wx {
namespace {

GtkWidget* FocusWidgetOf(wxWindow& widget) {
    GtkWidget* handle = widget.GetHandle();
    if (handle != nullptr && GTK_IS_SCROLLED_WINDOW(handle)) {
        if (GtkWidget* inner = gtk_bin_get_child(GTK_BIN(handle)); inner != nullptr) {
            return inner;
        }
    }
    return handle;
}

AtkObject* AccessibleOf(wxWindow& widget) {
    GtkWidget* handle = FocusWidgetOf(widget);
    return handle != nullptr ? gtk_widget_get_accessible(handle) : nullptr;
}

// A list row has no header cells: an empty array, which is what callers expect.
GPtrArray* NoRowHeaderCells(GtkCellAccessibleParent*, GtkCellAccessible*) {
    return g_ptr_array_new_with_free_func(g_object_unref);
}

}  // namespace

void CompleteToolkitAccessibility() {
    // The class stays referenced for the process's life, so the filled-in entry stays.
    gpointer treeView = g_type_class_ref(GTK_TYPE_TREE_VIEW_ACCESSIBLE);
    auto* parent = static_cast<GtkCellAccessibleParentIface*>(
        g_type_interface_peek(treeView, GTK_TYPE_CELL_ACCESSIBLE_PARENT));
    if (parent != nullptr && parent->get_row_header_cells == nullptr) {
        parent->get_row_header_cells = NoRowHeaderCells;
    }
}

void SetAccessibleName(wxWindow& widget, const std::string& name) {
    AtkObject* accessible = AccessibleOf(widget);
    if (accessible == nullptr) {
        return;
    }
    const wxString wanted = ToWx(name);  // owns the buffer utf8_str() points into
    const wxScopedCharBuffer utf8 = wanted.utf8_str();
    // Every change is an event a screen reader processes: set only what differs.
    if (const char* current = atk_object_get_name(accessible);
        current == nullptr || std::strcmp(current, utf8.data()) != 0) {
        atk_object_set_name(accessible, utf8.data());
    }
}

void SetLabelTarget(wxWindow& label, wxWindow* target) {
    GtkWidget* handle = label.GetHandle();
    if (handle == nullptr || !GTK_IS_LABEL(handle)) {
        return;
    }
    GtkWidget* focusWidget = target != nullptr ? FocusWidgetOf(*target) : nullptr;
    if (gtk_label_get_mnemonic_widget(GTK_LABEL(handle)) != focusWidget) {
        gtk_label_set_mnemonic_widget(GTK_LABEL(handle), focusWidget);
    }
}

void PresentAsAlert(wxWindow& window, const std::string& title) {
    if (AtkObject* accessible = AccessibleOf(window); accessible != nullptr) {
        atk_object_set_role(accessible, ATK_ROLE_ALERT);
        atk_object_set_name(accessible, ToWx(title).utf8_str());
    }
}

}  // namespace ui::wx
