#include "platform/ui/wx/FormKeys.h"

#include "platform/ui/Backend.h"
#include "platform/ui/wx/Guard.h"

namespace ui::wx {
namespace {

bool Press(Control* button) {
    if (button == nullptr || !button->Showing() || !button->Enabled()) {
        return false;
    }
    RunHandler("click", button->onClick);
    return true;
}

}  // namespace

bool TakeFormKey(Form& form, const Control* focused, int code, Modifiers modifiers) {
    switch (code) {
        case vk::Return:
            return focused != nullptr && focused->Kind() != ControlKind::Button &&
                   Press(form.DefaultButton());
        case vk::Escape:
            return Press(form.CancelButton());
        case vk::F1: {
            bool opened = false;
            RunHandler("help", [&] { opened = form.GetBackend().OpenHelpFile(); });
            return opened;
        }
        default: {
            bool taken = false;
            RunHandler("key",
                       [&] { taken = form.GetBackend().TakeApplicationKey(code, modifiers); });
            return taken;
        }
    }
}

bool IsWindowAccessKey(const Form& form, int code) {
    if (code < vk::LetterA || code >= vk::LetterA + 26) {
        return false;
    }
    const char letter = static_cast<char>(code);
    return form.ButtonWithAccessKey(letter) != nullptr || form.MenuWithAccessKey(letter) != nullptr;
}

}  // namespace ui::wx
