// Converts the model's byte strings (UTF-8, or Latin-1 when not valid UTF-8) to wx strings.
#pragma once

#include <wx/string.h>

#include <string>

namespace ui::wx {

wxString ToWx(const std::string& text);

}  // namespace ui::wx
