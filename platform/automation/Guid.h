// Globally unique identifiers of classes, interfaces and type libraries: compile-time constants
// with the usual "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" text form.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace automation {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid&, const Guid&) = default;

    // Accepts the braced form and the bare 36-character form, hex digits in either case.
    static constexpr std::optional<Guid> Parse(std::string_view text);
    // The braced form with upper-case hex digits.
    std::string ToString() const;
};

namespace detail {

constexpr int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads `digits` hex digits at `pos`; nothing when one is not a hex digit.
constexpr std::optional<std::uint32_t> HexField(std::string_view text, std::size_t pos,
                                                std::size_t digits) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int v = HexValue(text[pos + i]);
        if (v < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(v);
    }
    return value;
}

}  // namespace detail

constexpr std::optional<Guid> Guid::Parse(std::string_view text) {
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}') {
            return std::nullopt;
        }
        text = text.substr(1, 36);
    }
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' ||
        text[23] != '-') {
        return std::nullopt;
    }
    const auto d1 = detail::HexField(text, 0, 8);
    const auto d2 = detail::HexField(text, 9, 4);
    const auto d3 = detail::HexField(text, 14, 4);
    if (!d1 || !d2 || !d3) {
        return std::nullopt;
    }
    Guid guid{*d1, static_cast<std::uint16_t>(*d2), static_cast<std::uint16_t>(*d3), {}};
    constexpr std::size_t kBytePos[8] = {19, 21, 24, 26, 28, 30, 32, 34};
    for (std::size_t i = 0; i < 8; ++i) {
        const auto b = detail::HexField(text, kBytePos[i], 2);
        if (!b) {
            return std::nullopt;
        }
        guid.data4[i] = static_cast<std::uint8_t>(*b);
    }
    return guid;
}

// A GUID constant from its text; a malformed text does not compile.
consteval Guid MakeGuid(std::string_view text) {
    const auto guid = Guid::Parse(text);
    if (!guid) {
        throw "malformed GUID text";
    }
    return *guid;
}

}  // namespace automation
