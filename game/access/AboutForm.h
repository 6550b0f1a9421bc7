// The About window (its controls and events come with the help menu).
#pragma once

#include "platform/ui/Form.h"

namespace game {

class AboutForm : public ui::Form {
public:
    explicit AboutForm(ui::Backend& backend) : ui::Form(backend, "frmAbout", "About Ventrelle") {}
};

}  // namespace game
