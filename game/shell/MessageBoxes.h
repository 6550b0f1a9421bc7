// The game's message boxes: plain notices with the application's title, and Yes/No questions.
#pragma once

#include <string>
#include <string_view>

namespace game {

struct Game;

// OK only, no icon, no title of its own.
void ShowMessage(Game& game, std::string text);

// Yes/No with the question icon; true only when the answer is Yes.
bool AskYesNo(Game& game, std::string title, std::string text);

}  // namespace game
