#include "platform/automation/Resources.h"

#include <algorithm>

namespace automation {

const char* VersionResource::Find(std::string_view key) const {
    const auto it =
        std::ranges::find_if(strings, [&](const VersionString& s) { return key == s.key; });
    return it == strings.end() ? nullptr : it->value;
}

std::string_view ResourceTable::LoadString(std::uint32_t id) const {
    const auto it = std::ranges::find(strings, id, &StringResource::id);
    return it == strings.end() ? std::string_view() : std::string_view(it->text);
}

const BitmapResource* ResourceTable::FindBitmap(std::uint32_t id) const {
    const auto it = std::ranges::find(bitmaps, id, &BitmapResource::id);
    return it == bitmaps.end() ? nullptr : &*it;
}

const DialogResource* ResourceTable::FindDialog(std::uint32_t id) const {
    const auto it = std::ranges::find(dialogs, id, &DialogResource::id);
    return it == dialogs.end() ? nullptr : &*it;
}

}  // namespace automation
