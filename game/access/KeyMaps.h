// The two key maps of the player's card box txtPlayer: the navigation keys with JAWS For Windows,
// letters with any other reader. Each key has one action, and each map its spoken help. The help
// document's key tables are checked against these.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "game/access/SpokenHelp.h"
#include "platform/ui/KeyCodes.h"

namespace game {

struct Game;

enum class TableAction {
    Stakes,  // the stakes announcement
    Insurance,
    DoubleDown,
    Split,
    Hit,
    Stay,
    ReadDealerCards,
    ReadPlayerCards,
    Help,
};

struct KeyBinding {
    int keyCode;               // the virtual-key code
    std::string_view keyName;  // the key as the help document names it
    TableAction action;
};

struct KeyMap {
    std::span<const KeyBinding> keys;
    std::span<const std::string_view> help;
};

constexpr int LetterKey(char capital) {
    return ui::vk::LetterA + (capital - 'A');
}

inline constexpr std::array<KeyBinding, 10> kJawsKeys{{
    {ui::vk::Return, "Enter", TableAction::Stakes},
    {ui::vk::F3, "F3", TableAction::Stakes},
    {ui::vk::Delete, "Delete", TableAction::Insurance},
    {ui::vk::Left, "Left arrow", TableAction::DoubleDown},
    {ui::vk::Right, "Right arrow", TableAction::Split},
    {ui::vk::PageUp, "Page Up", TableAction::Hit},
    {ui::vk::PageDown, "Page Down", TableAction::Stay},
    {ui::vk::End, "End", TableAction::ReadDealerCards},
    {ui::vk::Home, "Home", TableAction::ReadPlayerCards},
    {ui::vk::F2, "F2", TableAction::Help},
}};

inline constexpr std::array<KeyBinding, 10> kLetterKeys{{
    {ui::vk::Space, "Space", TableAction::Stakes},
    {ui::vk::F3, "F3", TableAction::Stakes},
    {LetterKey('F'), "F", TableAction::Insurance},
    {LetterKey('D'), "D", TableAction::DoubleDown},
    {LetterKey('A'), "A", TableAction::Split},
    {LetterKey('G'), "G", TableAction::Hit},
    {LetterKey('S'), "S", TableAction::Stay},
    {LetterKey('E'), "E", TableAction::ReadDealerCards},
    {LetterKey('R'), "R", TableAction::ReadPlayerCards},
    {ui::vk::F2, "F2", TableAction::Help},
}};

inline constexpr KeyMap kJawsKeyMap{kJawsKeys, kJawsPlayerHelp};
inline constexpr KeyMap kLetterKeyMap{kLetterKeys, kLetterPlayerHelp};

// The map of the reader chosen now: JAWS For Windows, or letters for every other choice.
const KeyMap& KeyMapInForce(const Game& game);

// The key's binding in the map, or null when the map has no such key.
const KeyBinding* FindKey(const KeyMap& map, int keyCode);

}  // namespace game
