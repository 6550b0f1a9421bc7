// What a key means to the whole form once the focused control's key handler has left it alone:
// Enter presses the default button (a focused button presses itself), Escape the cancel button,
// F1 opens the application's help file, and any other key goes to the program's keys of every
// window (Backend::TakeApplicationKey).
#pragma once

#include "platform/ui/Form.h"

namespace ui::wx {

// Acts on the key for the form; true when it did, so the focused widget must not see the key.
bool TakeFormKey(Form& form, const Control* focused, int code,
                 Modifiers modifiers = Modifiers::None);

// Whether Alt and this key press a button of the window or open a menu of its menu bar: the
// toolkit does that, and the focused control's key handler never sees the key, so that Alt+G
// opens the Game menu rather than playing the letter G.
bool IsWindowAccessKey(const Form& form, int code);

}  // namespace ui::wx
