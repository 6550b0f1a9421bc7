#include "game/access/AboutForm.h"

namespace game {

using ui::ControlKind;

AboutForm::AboutForm(ui::Backend& backend)
    : ui::Form(backend, "frmAbout", "About Ventrelle"),
      cmdOK(AddControl("cmdOK", ControlKind::Button, "OK", 0)),
      lblDescription(AddControl("lblDescription", ControlKind::Label, "Web site", 1)),
      lblTitle(AddControl("lblTitle", ControlKind::Label, "Title", 2)),
      lblVersion(AddControl("lblVersion", ControlKind::Label, "Version", 3)),
      lblDisclaimer(AddControl("lblDisclaimer", ControlKind::Label, "Notice", 4)) {
    SetDefaultButton(cmdOK);
    SetCancelButton(cmdOK);
}

}  // namespace game
