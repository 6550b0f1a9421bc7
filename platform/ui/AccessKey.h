// The access key of a caption: the letter after "&" ("E&xit Game" gives X), which Alt presses.
#pragma once

#include <string_view>

namespace ui {

// The access key, upper case, or 0 when the caption marks none ("&&" is a literal ampersand).
char AccessKeyOf(std::string_view caption);

}  // namespace ui
