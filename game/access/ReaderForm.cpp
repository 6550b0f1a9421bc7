#include "game/access/ReaderForm.h"

namespace game {

ReaderForm::ReaderForm(ui::Backend& backend)
    : ui::Form(backend, "frmReader", "Screen Reader"),
      lstReader(AddControl("lstReader", ui::ControlKind::ListBox, "", 0)),
      lblReader(AddControl("lblReader", ui::ControlKind::Label, "Screen Reader", 1)),
      btnOK(AddControl("btnOK", ui::ControlKind::Button, "OK", 2)) {
    SetDefaultButton(btnOK);
}

}  // namespace game
