// Translates wxWidgets key codes into the UI model's virtual-key codes, in one place.
#pragma once

namespace ui::wx {

// The virtual-key code for a wx key code, or vk::None for keys the model does not know.
int ToVirtualKey(int wxKeyCode);

}  // namespace ui::wx
