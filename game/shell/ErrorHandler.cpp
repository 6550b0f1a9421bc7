#include "game/shell/ErrorHandler.h"

#include <string>

#include "game/shell/Game.h"
#include "game/shell/MessageBoxes.h"

namespace game {

void ReportError(Game& game, Report report, std::string_view place, std::string_view description) {
    if (report == Report::ShowError) {
        ShowError(game, description, place);
        return;
    }
    ShowMessage(game, std::string(description) + std::string(place));
}

void ShowError(Game& game, std::string_view description, std::string_view place) {
    try {
        ShowMessage(game, std::string(description) + " " + std::string(place));
    } catch (const std::exception& error) {
        ShowMessage(game, std::string(error.what()) + " " + " ShowError()");
    }
}

}  // namespace game
