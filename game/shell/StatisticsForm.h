// The statistics window: both columns of figures in a read-only text, one figure a line, a
// button that clears the all-time figures (after asking) and a Close button.
#pragma once

#include "platform/ui/Form.h"

namespace game {

class StatisticsForm : public ui::Form {
public:
    explicit StatisticsForm(ui::Backend& backend);

    ui::Control& txtStatistics;
    ui::Control& btnResetAllTime;
    ui::Control& btnClose;
};

}  // namespace game
