#include "game/access/WindowKeys.h"

#include <span>
#include <string_view>

#include "game/access/Coaching.h"
#include "game/access/PlayerKeys.h"
#include "game/access/Speech.h"
#include "game/access/SpokenHelp.h"
#include "game/shell/BetWindow.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Results.h"
#include "game/shell/Stakes.h"
#include "platform/ui/KeyCodes.h"

namespace game {

namespace {

// A button of the results frame: F2 is its only key of the game's own.
void ButtonKeyDown(Game& game, int keyCode, std::string_view place,
                   std::span<const std::string_view> help) {
    Guarded(game, Report::ShowError, place, [&] {
        if (keyCode == ui::vk::F2) {
            SpeakHelp(game, help);
        }
    });
}

}  // namespace

void lstStakes_KeyDown(Game& game, int keyCode) {
    Guarded(game, Report::ShowError, " lstStakes_KeyDown()", [&] {
        switch (keyCode) {
            case ui::vk::Return:
                btnStakesOK_Click(game);
                break;
            case ui::vk::F3:
                StopSpeech(game);
                Speak(game, "This information is not available in this window. ");
                break;
            case ui::vk::F2:
                SpeakHelp(game, kStakesListHelp);
                break;
            case ui::vk::F8:
                SpeakNextHandValue(game);
                break;
            default:
                break;
        }
    });
}

void lstBet_KeyDown(Game& game, int keyCode) {
    Guarded(game, Report::ShowError, " lstBet_KeyDown()", [&] {
        switch (keyCode) {
            case ui::vk::Return:
                btnBetOK_Click(game);
                break;
            case ui::vk::F3:
                StopSpeech(game);
                Speak(game, StakesSentence(game));
                break;
            case ui::vk::F2:
                SpeakHelp(game, kBetListHelp);
                break;
            case ui::vk::F8:
                SpeakNextHandValue(game);
                break;
            default:
                break;
        }
    });
}

void txtResults_KeyDown(Game& game, int keyCode) {
    Guarded(game, Report::ShowError, " txtResults_KeyDown()", [&] {
        switch (keyCode) {
            case ui::vk::F2:
                SpeakHelp(game, kResultsTextHelp);
                break;
            case ui::vk::Return:
                btnSameBet_Click(game);
                break;
            default:
                break;
        }
    });
}

void btnSameBet_KeyDown(Game& game, int keyCode) {
    ButtonKeyDown(game, keyCode, " btnSameBet_KeyDown()", kSameBetHelp);
}

void btnNewBet_KeyDown(Game& game, int keyCode) {
    ButtonKeyDown(game, keyCode, " btnNewBet_KeyDown()", kNewBetHelp);
}

void btnExitGame_KeyDown(Game& game, int keyCode) {
    ButtonKeyDown(game, keyCode, " btnExitGame_KeyDown()", kExitGameHelp);
}

}  // namespace game
