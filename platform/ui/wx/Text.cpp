#include "platform/ui/wx/Text.h"

namespace ui::wx {

wxString ToWx(const std::string& text) {
    wxString converted = wxString::FromUTF8(text.data(), text.size());
    if (converted.empty() && !text.empty()) {
        // Not UTF-8: the game's texts are 8-bit, so read them as Latin-1 rather than lose them.
        converted = wxString(text.data(), wxConvISO8859_1, text.size());
    }
    return converted;
}

}  // namespace ui::wx
