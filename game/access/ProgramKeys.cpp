#include "game/access/ProgramKeys.h"

#include <string>

#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

// Says a text of the history again, or the words for an end of it.
void Review(Game& game, const std::string* text, std::string_view atTheEnd) {
    StopSpeech(game);
    SpeakAgain(game, text != nullptr ? std::string_view(*text) : atTheEnd);
}

}  // namespace

bool TakeProgramKey(Game& game, int keyCode, ui::Modifiers modifiers) {
    // Control goes down first in every shortcut too; stopping the speech there costs nothing,
    // and the shortcut's own key still arrives.
    if (keyCode == ui::vk::Control) {
        StopSpeech(game);
        return true;
    }
    if (modifiers != ui::Modifiers::None) {
        return false;
    }
    SpeechHistory& history = game.speechHistory;
    switch (keyCode) {
        case ui::vk::F4:
            if (const std::string* latest = history.Latest()) {
                Review(game, latest, {});
            }
            return true;
        case ui::vk::F5:
            Review(game, history.Previous(), "Top of history");
            return true;
        case ui::vk::F6:
            Review(game, history.Next(), "End of history");
            return true;
        case ui::vk::F7:
            StopSpeech(game);
            Speak(game, GameSummary(game.statistics.ThisGame()));
            return true;
        default:
            return false;
    }
}

void ConnectProgramKeys(Game& game) {
    game.backend.SetApplicationKeys([&game](int keyCode, ui::Modifiers modifiers) {
        return Guarded(game, Report::ShowError, " ProgramKeys()",
                       [&] { return TakeProgramKey(game, keyCode, modifiers); });
    });
}

}  // namespace game
