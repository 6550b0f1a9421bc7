#include "game/shell/MessageBoxes.h"

#include "game/shell/Game.h"

namespace game {

void ShowMessage(Game& game, std::string text) {
    game.backend.ShowMessageBox({std::move(text), ui::Buttons::Ok, ui::Icon::None, std::nullopt});
}

bool AskYesNo(Game& game, std::string title, std::string text) {
    return game.backend.ShowMessageBox({std::move(text), ui::Buttons::YesNo, ui::Icon::Question,
                                        std::move(title)}) == ui::Answer::Yes;
}

}  // namespace game
