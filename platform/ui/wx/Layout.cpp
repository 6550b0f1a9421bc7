#include "platform/ui/wx/Layout.h"

#include <algorithm>

#include "platform/ui/Naming.h"

namespace ui::wx {

namespace {

// The label on the same frame named after `control` (lblX for txtX or lstX), if any.
Control* NamedLabel(const std::vector<Control*>& siblings, const Control& control) {
    if (control.Kind() == ControlKind::Label) {
        return nullptr;
    }
    const std::string suffix = NameWithoutPrefix(control.Name());
    const auto found = std::find_if(siblings.begin(), siblings.end(), [&](const Control* c) {
        return c->Kind() == ControlKind::Label && NameWithoutPrefix(c->Name()) == suffix;
    });
    return found != siblings.end() ? *found : nullptr;
}

}  // namespace

std::vector<Control*> TabOrderOn(const Form& form, const Control* frame) {
    std::vector<Control*> children;
    for (const auto& control : form.Controls()) {
        if (control->Frame() == frame) {
            children.push_back(control.get());
        }
    }
    std::stable_sort(children.begin(), children.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return children;
}

std::vector<Control*> LayoutOrder(const Form& form, const Control* frame) {
    const std::vector<Control*> tabOrder = TabOrderOn(form, frame);
    std::vector<Control*> moved;
    for (const Control* control : tabOrder) {
        if (Control* label = NamedLabel(tabOrder, *control)) {
            moved.push_back(label);
        }
    }
    std::vector<Control*> order;
    for (Control* control : tabOrder) {
        if (Control* label = NamedLabel(tabOrder, *control)) {
            order.push_back(label);
        }
        if (std::find(moved.begin(), moved.end(), control) == moved.end()) {
            order.push_back(control);
        }
    }
    return order;
}

}  // namespace ui::wx
