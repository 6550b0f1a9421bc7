// Key names of the headless script: "Enter", "F2", "a", "113", "Ctrl+N", "Shift+Tab".
#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/KeyCodes.h"

namespace ui {

struct KeyPress {
    int code = vk::None;
    Modifiers modifiers = Modifiers::None;
};

// The key a script word names, or nothing when it names none.
std::optional<KeyPress> ParseKeyName(std::string_view word);

}  // namespace ui
