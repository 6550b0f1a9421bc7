#include "game/shell/StatisticsForm.h"

namespace game {

using ui::ControlKind;

StatisticsForm::StatisticsForm(ui::Backend& backend)
    : ui::Form(backend, "frmStatistics", "Statistics"),
      txtStatistics(AddControl("txtStatistics", ControlKind::TextBox, "", 0)),
      btnResetAllTime(
          AddControl("btnResetAllTime", ControlKind::Button, "&Reset All-Time Figures", 1)),
      btnClose(AddControl("btnClose", ControlKind::Button, "&Close", 2)) {
    SetDefaultButton(btnClose);
    SetCancelButton(btnClose);
}

}  // namespace game
