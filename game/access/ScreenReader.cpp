#include "game/access/ScreenReader.h"

#include <string>

#include "game/access/Speech.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"

namespace game {

namespace {

constexpr std::string_view kApp = "Ventrelle";
constexpr std::string_view kSection = "StartUp";
constexpr std::string_view kKey = "Reader";

// Makes the Window-Eyes voice when that is the choice; a new one replaces the old.
void CreateWESpeechIfChosen(Game& game) {
    if (ReaderIs(game, kWe)) {
        game.state.WESpeech = MakeVoice(game, speech::Reader::We);
    }
}

// Opens the choice window until it closes, stores the choice and makes the voice it needs.
void ChooseScreenReader(Game& game) {
    game.frmReader.ShowModal();
    SaveScreenReader(game);
    CreateWESpeechIfChosen(game);
}

}  // namespace

bool ReaderIs(const Game& game, std::string_view code) {
    return TrimSpaces(game.state.ScreenReader) == code;
}

void GetScreenReader(Game& game) {
    Guarded(game, Report::ShowError, " GetScreenReader()", [&] {
        std::string stored = settings::GetSetting(game.store, kApp, kSection, kKey, kNone);
        if (stored != kNone) {
            game.state.ScreenReader = std::move(stored);
            CreateWESpeechIfChosen(game);
        } else {
            ChooseScreenReader(game);
        }
    });
}

void SaveScreenReader(Game& game) {
    Guarded(game, Report::ShowError, " SaveScreenReader()", [&] {
        settings::SaveSetting(game.store, kApp, kSection, kKey,
                              TrimSpaces(game.state.ScreenReader));
    });
}

void mnuGameReader_Click(Game& game) {
    Guarded(game, Report::ShowError, "mnuGameReader_Click()", [&] { ChooseScreenReader(game); });
}

void ReleaseWESpeech(Game& game) {
    if (ReaderIs(game, kWe)) {
        game.state.WESpeech.reset();
    }
}

}  // namespace game
