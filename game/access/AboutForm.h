// The About window: the OK button (Enter and Escape both press it) and four labels that its
// loading fills.
#pragma once

#include "platform/ui/Form.h"

namespace game {

class AboutForm : public ui::Form {
public:
    explicit AboutForm(ui::Backend& backend);

    ui::Control& cmdOK;
    ui::Control& lblDescription;
    ui::Control& lblTitle;
    ui::Control& lblVersion;
    ui::Control& lblDisclaimer;
};

}  // namespace game
