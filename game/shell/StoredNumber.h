// Whole numbers kept in the settings store as decimal text, read back with a range check: a value
// that is missing, is not a number or lies outside the range reads as nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings/Store.h"

namespace game {

// The key path of a section of the game's application ("Ventrelle/<section>").
std::string SectionKey(std::string_view section);

std::optional<std::int64_t> ReadStoredNumber(const settings::Store& store, std::string_view section,
                                             std::string_view name, std::int64_t lowest,
                                             std::int64_t highest);

}  // namespace game
