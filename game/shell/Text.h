// Small text helpers shared by the game's operations.
#pragma once

#include <string_view>

namespace game {

// A line break inside a message or results text.
inline constexpr std::string_view kLineBreak = "\r\n";

// The text without the spaces at both ends (only spaces; tabs and line breaks stay).
constexpr std::string_view TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace game
