// The order in which a frame's controls are laid out on screen: tab order, except that a label
// stands just above the control it is named after (lblReader above lstReader), as a sighted
// onlooker expects. No toolkit involved.
#pragma once

#include <vector>

#include "platform/ui/Form.h"

namespace ui::wx {

// The controls directly on `frame` (nullptr: on the form itself) in layout order.
std::vector<Control*> LayoutOrder(const Form& form, const Control* frame);

// The controls directly on `frame` in tab order, the order their widgets are created in, which
// the toolkit's keyboard navigation follows.
std::vector<Control*> TabOrderOn(const Form& form, const Control* frame);

}  // namespace ui::wx
