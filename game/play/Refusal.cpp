#include "game/play/Refusal.h"

#include "game/shell/Game.h"

namespace game {

void Refuse(Game& game, std::string play, std::string text) {
    game.backend.ShowMessageBox(
        {std::move(text), ui::Buttons::Ok, ui::Icon::Information, std::move(play)});
}

}  // namespace game
