// The modal message box of the UI model: its buttons, icon and the answer it returns.
#pragma once

#include <optional>
#include <string>

namespace ui {

enum class Buttons { Ok, YesNo };
enum class Icon { None, Information, Question };
enum class Answer { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    // No title of its own: the box shows the application's title.
    std::optional<std::string> title = std::nullopt;
};

}  // namespace ui
