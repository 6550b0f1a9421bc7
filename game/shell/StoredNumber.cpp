#include "game/shell/StoredNumber.h"

#include <charconv>
#include <string>

namespace game {

std::string SectionKey(std::string_view section) {
    return "Ventrelle/" + std::string(section);
}

std::optional<std::int64_t> ReadStoredNumber(const settings::Store& store, std::string_view section,
                                             std::string_view name, std::int64_t lowest,
                                             std::int64_t highest) {
    const std::optional<std::string> text = store.Get(SectionKey(section), name);
    if (!text) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < lowest ||
        value > highest) {
        return std::nullopt;
    }
    return value;
}

}  // namespace game
