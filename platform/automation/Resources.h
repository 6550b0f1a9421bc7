// Resources compiled into a library as constant data: strings, 16-colour bitmaps, dialog
// descriptions, the version block and the type library, found by id.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/automation/TypeInfo.h"

namespace automation {

struct Color {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

struct StringResource {
    std::uint32_t id;
    const char* text;
};

// A palette picture: one palette index per pixel, rows from the top.
struct BitmapResource {
    std::uint32_t id;
    int width;
    int height;
    std::span<const Color> palette;
    std::span<const std::uint8_t> pixels;
};

enum class DialogItemKind : std::uint8_t { StaticText, Button, DefaultButton };

// Positions and sizes in dialog units.
struct DialogItem {
    DialogItemKind kind;
    std::uint32_t id;
    const char* text;
    int x;
    int y;
    int width;
    int height;
};

struct DialogResource {
    std::uint32_t id;
    const char* caption;
    int width;
    int height;
    std::span<const DialogItem> items;
};

struct VersionString {
    const char* key;
    const char* value;
};

struct VersionResource {
    std::uint16_t fileVersion[4];
    std::uint16_t productVersion[4];
    std::span<const VersionString> strings;

    // The value of a string entry, or nothing when the block lacks it (an entry may be empty).
    const char* Find(std::string_view key) const;
};

struct ResourceTable {
    std::span<const StringResource> strings;
    std::span<const BitmapResource> bitmaps;
    std::span<const DialogResource> dialogs;
    const VersionResource* version;
    const TypeLibInfo* typeLibrary;

    // The text of string `id`, "" when there is none.
    std::string_view LoadString(std::uint32_t id) const;
    const BitmapResource* FindBitmap(std::uint32_t id) const;
    const DialogResource* FindDialog(std::uint32_t id) const;
};

// The dialog command id of an OK button.
inline constexpr std::uint32_t IDOK = 1;

}  // namespace automation
