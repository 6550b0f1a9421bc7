#include "platform/ui/wx/ControlLabels.h"

#include "platform/ui/wx/Accessibility.h"
#include "platform/ui/wx/Naming.h"

namespace ui::wx {
namespace {

bool TakesAName(const Control& control) {
    return control.Kind() == ControlKind::TextBox || control.Kind() == ControlKind::ListBox;
}

// The control that `label` names, or nullptr.
const Control* NamedBy(const Form& form, const Control& label) {
    for (const auto& control : form.Controls()) {
        if (TakesAName(*control) && LabelFor(form, *control) == &label) {
            return control.get();
        }
    }
    return nullptr;
}

wxWindow* WidgetOf(const WidgetMap& widgets, const Control* control) {
    const auto found = widgets.find(const_cast<Control*>(control));
    return found != widgets.end() ? found->second : nullptr;
}

}  // namespace

void LabelControls(const Form& form, const WidgetMap& widgets) {
    for (const auto& [control, widget] : widgets) {
        if (control->Kind() == ControlKind::Label) {
            SetLabelTarget(*widget, WidgetOf(widgets, NamedBy(form, *control)));
        } else if (TakesAName(*control)) {
            SetAccessibleName(*widget, AccessibleNameFor(form, *control));
        }
    }
}

}  // namespace ui::wx
