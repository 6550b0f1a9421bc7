// The player's choice of screen reader: establishing it at start-up, changing it from the Game
// menu, storing it between runs, and the codes every test compares against.
#pragma once

#include <string_view>

namespace game {

struct Game;

inline constexpr std::string_view kJfw = "JFW";
inline constexpr std::string_view kWe = "WE";
inline constexpr std::string_view kNone = "None";

// Whether the chosen reader, trimmed of spaces, is exactly `code`.
bool ReaderIs(const Game& game, std::string_view code);

// At start-up: the stored choice, or the choice window when none is stored (or "None").
void GetScreenReader(Game& game);

// Stores the trimmed choice in the settings.
void SaveScreenReader(Game& game);

// The Game menu's "&Screen Reader...": choose again, whatever is stored.
void mnuGameReader_Click(Game& game);

// Lets go of the Window-Eyes voice when it is the choice; every way out of the program does this.
void ReleaseWESpeech(Game& game);

}  // namespace game
