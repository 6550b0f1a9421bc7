#include "platform/ui/wx/ControlLabels.h"

#include "platform/ui/Naming.h"
#include "platform/ui/wx/Accessibility.h"

namespace ui::wx {
namespace {

wxWindow* WidgetOf(const WidgetMap& widgets, const Control* control) {
    const auto found = widgets.find(const_cast<Control*>(control));
    return found != widgets.end() ? found->second : nullptr;
}

}  // namespace

void LabelControls(const Form& form, const WidgetMap& widgets) {
    for (const auto& [control, widget] : widgets) {
        if (control->Kind() == ControlKind::Label) {
            SetLabelTarget(*widget, WidgetOf(widgets, ControlNamedBy(form, *control)));
        } else if (TakesItsLabelsName(*control)) {
            SetAccessibleName(*widget, AccessibleNameFor(form, *control));
        }
    }
}

}  // namespace ui::wx
