#include "game/shell/Program.h"

#include <cstdlib>

#include "game/cards/Deck.h"
#include "game/shell/Game.h"
#include "game/shell/StartUp.h"

namespace game {

int PlayWindowed(ui::Backend& backend, const std::filesystem::path& storeFile,
                 std::optional<SelfVoicingMode> selfVoicing) {
    settings::Store store(storeFile);
    Game game(backend, store, speech::CreateVoice);
    game.selfVoicing.SetCommandLineMode(selfVoicing);
    // VENTRA_DECK="C1 C2 ..." stacks the first shuffle, as a script's deck command does, so that
    // tests and demonstrations of the window can deal the cards they need.
    if (const char* deck = std::getenv("VENTRA_DECK"); deck != nullptr) {
        game.shuffle.stackedDeck = ParseStackedDeck(deck);
    }
    try {
        ProgramEntry(game);
        backend.Run();
    } catch (const ui::ProgramEnded&) {
        // The game's own way out: every exit path ends here.
    }
    return 0;
}

}  // namespace game
