#include "platform/ui/wx/Accessibility.h"

#include <gtk/gtk.h>

#include "platform/ui/wx/Text.h"

namespace ui::wx {
namespace {

AtkObject* AccessibleOf(wxWindow& widget) {
    GtkWidget* handle = widget.GetHandle();
    if (handle == nullptr) {
        return nullptr;
    }
    if (GTK_IS_SCROLLED_WINDOW(handle)) {
        if (GtkWidget* inner = gtk_bin_get_child(GTK_BIN(handle)); inner != nullptr) {
            handle = inner;
        }
    }
    return gtk_widget_get_accessible(handle);
}

}  // namespace

void SetAccessibleName(wxWindow& widget, const std::string& name) {
    if (AtkObject* accessible = AccessibleOf(widget); accessible != nullptr) {
        atk_object_set_name(accessible, ToWx(name).utf8_str());
    }
}

void PresentAsAlert(wxWindow& window, const std::string& name) {
    if (AtkObject* accessible = AccessibleOf(window); accessible != nullptr) {
        atk_object_set_role(accessible, ATK_ROLE_ALERT);
        atk_object_set_name(accessible, ToWx(name).utf8_str());
    }
}

}  // namespace ui::wx
