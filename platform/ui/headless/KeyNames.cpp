#include "platform/ui/headless/KeyNames.h"

#include <array>
#include <cctype>
#include <charconv>
#include <utility>

namespace ui {

namespace {

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

constexpr std::array<std::pair<std::string_view, int>, 26> kNamedKeys{{
    {"Enter", vk::Return},  {"Space", vk::Space},   {"Tab", vk::Tab},
    {"Escape", vk::Escape}, {"F1", vk::F1},         {"F2", vk::F2},
    {"F3", vk::F3},         {"F4", vk::F4},         {"F5", vk::F5},
    {"F6", vk::F6},         {"F7", vk::F7},         {"F8", vk::F8},
    {"F9", vk::F9},         {"F10", vk::F10},       {"F11", vk::F11},
    {"F12", vk::F12},       {"Ctrl", vk::Control},  {"Delete", vk::Delete},
    {"Left", vk::Left},     {"Right", vk::Right},   {"Up", vk::Up},
    {"Down", vk::Down},     {"PageUp", vk::PageUp}, {"PageDown", vk::PageDown},
    {"Home", vk::Home},     {"End", vk::End},
}};

constexpr std::array<std::pair<std::string_view, Modifiers>, 3> kModifiers{{
    {"Ctrl+", Modifiers::Ctrl},
    {"Alt+", Modifiers::Alt},
    {"Shift+", Modifiers::Shift},
}};

std::optional<int> KeyCode(std::string_view word) {
    if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0])))
        return std::toupper(static_cast<unsigned char>(word[0]));
    for (const auto& [name, code] : kNamedKeys) {
        if (EqualNoCase(word, name))
            return code;
    }
    int code = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), code);
    if (error == std::errc() && end == word.data() + word.size() && code > 0 && code < 256)
        return code;
    return std::nullopt;
}

}  // namespace

std::optional<KeyPress> ParseKeyName(std::string_view word) {
    KeyPress key;
    bool more = true;
    while (more) {
        more = false;
        for (const auto& [prefix, modifier] : kModifiers) {
            if (word.size() > prefix.size() && EqualNoCase(word.substr(0, prefix.size()), prefix)) {
                key.modifiers = key.modifiers | modifier;
                word.remove_prefix(prefix.size());
                more = true;
            }
        }
    }
    std::optional<int> code = KeyCode(word);
    if (!code)
        return std::nullopt;
    key.code = *code;
    return key;
}

}  // namespace ui
