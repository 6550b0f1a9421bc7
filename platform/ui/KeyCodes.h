// Key codes of the UI model: the virtual-key numbers the game's key handlers compare against.
#pragma once

namespace ui::vk {

inline constexpr int None = 0;
inline constexpr int Back = 8;
inline constexpr int Tab = 9;
inline constexpr int Return = 13;
inline constexpr int Shift = 16;
inline constexpr int Control = 17;
inline constexpr int Menu = 18;  // Alt
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Insert = 45;
inline constexpr int Delete = 46;
inline constexpr int Digit0 = 48;   // '0'..'9' are 48..57
inline constexpr int LetterA = 65;  // 'A'..'Z' are 65..90, whatever the Shift state
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F8 = 119;
inline constexpr int F12 = 123;

}  // namespace ui::vk

namespace ui {

// Modifier state delivered with a key-down, as bit flags.
enum class Modifiers : int { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };

constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return static_cast<Modifiers>(static_cast<int>(a) | static_cast<int>(b));
}
constexpr bool Has(Modifiers set, Modifiers flag) {
    return (static_cast<int>(set) & static_cast<int>(flag)) != 0;
}

}  // namespace ui
