#include "game/shell/Program.h"

#include "game/shell/Game.h"
#include "game/shell/StartUp.h"

namespace game {

int PlayWindowed(ui::Backend& backend, const std::filesystem::path& storeFile) {
    settings::Store store(storeFile);
    Game game(backend, store, speech::CreateVoice);
    try {
        ProgramEntry(game);
        backend.Run();
    } catch (const ui::ProgramEnded&) {
        // The game's own way out: every exit path ends here.
    }
    return 0;
}

}  // namespace game
