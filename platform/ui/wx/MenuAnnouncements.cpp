#include "platform/ui/wx/MenuAnnouncements.h"

namespace ui::wx {
namespace {

const MenuItem* ModelItemOf(const wxMenu* menu) {
    return menu != nullptr ? static_cast<const MenuItem*>(menu->GetClientData()) : nullptr;
}

// The model's entry for the highlighted id: a command, or the entry of a submenu.
const MenuItem* HighlightedEntry(const std::unordered_map<int, MenuItem*>& entries,
                                 const wxMenuEvent& event) {
    if (const auto found = entries.find(event.GetId()); found != entries.end()) {
        return found->second;
    }
    const wxMenu* menu = event.GetMenu();
    const wxMenuItem* item = menu != nullptr ? menu->FindItem(event.GetId()) : nullptr;
    return item != nullptr ? ModelItemOf(item->GetSubMenu()) : nullptr;
}

}  // namespace

void AnnounceMenuOpened(Backend& backend, const wxMenu* menu) {
    Announcements* listener = backend.GetAnnouncements();
    if (const MenuItem* item = ModelItemOf(menu); listener != nullptr && item != nullptr) {
        listener->MenuOpened(*item);
    }
}

void AnnounceMenuHighlight(Backend& backend, const std::unordered_map<int, MenuItem*>& entries,
                           const wxMenuEvent& event) {
    // The toolkit also reports the highlight leaving an entry, with no id.
    Announcements* listener = backend.GetAnnouncements();
    if (listener == nullptr || event.GetId() == wxID_NONE) {
        return;
    }
    if (const MenuItem* entry = HighlightedEntry(entries, event); entry != nullptr) {
        listener->MenuEntryHighlighted(*entry);
    }
}

}  // namespace ui::wx
