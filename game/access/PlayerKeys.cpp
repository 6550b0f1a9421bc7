#include "game/access/PlayerKeys.h"

#include "game/access/Coaching.h"
#include "game/access/KeyMaps.h"
#include "game/access/Speech.h"
#include "game/cards/HandDisplay.h"
#include "game/play/DoubleDown.h"
#include "game/play/Insurance.h"
#include "game/play/PlayerTurn.h"
#include "game/play/SplitPairs.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

void RunAction(Game& game, const KeyMap& map, TableAction action) {
    switch (action) {
        case TableAction::Stakes:
            AnnounceStakes(game);
            break;
        case TableAction::Insurance:
            btnInsurance_Click(game);
            break;
        case TableAction::DoubleDown:
            CoachedPlay(game, coach::Play::DoubleDown, btnDouble_Click);
            break;
        case TableAction::Split:
            CoachedPlay(game, coach::Play::Split, btnSplit_Click);
            break;
        case TableAction::Hit:
            CoachedPlay(game, coach::Play::Hit, btnHit_Click);
            break;
        case TableAction::Stay:
            CoachedPlay(game, coach::Play::Stay, btnStay_Click);
            break;
        case TableAction::ReadDealerCards:
            StopSpeech(game);
            ReadDealerCards(game);
            break;
        case TableAction::ReadPlayerCards:
            StopSpeech(game);
            ReadPlayerCards(game);
            break;
        case TableAction::Help:
            SpeakHelp(game, map.help);
            break;
    }
}

}  // namespace

void txtPlayer_KeyDown(Game& game, int& keyCode) {
    Guarded(game, Report::MessageBox, " in txtPlayer_KeyDown()", [&] {
        // The map is chosen at every key: the reader may change in the middle of a hand.
        // F8, the coach, is the same key with either map.
        if (keyCode == ui::vk::F8) {
            keyCode = ui::vk::None;
            SpeakCoachHint(game);
            return;
        }
        const KeyMap& map = KeyMapInForce(game);
        const KeyBinding* key = FindKey(map, keyCode);
        if (key == nullptr) {
            return;
        }
        // F2 still reaches the text box; every other key of the map is the game's alone.
        if (key->action != TableAction::Help) {
            keyCode = ui::vk::None;
        }
        RunAction(game, map, key->action);
    });
}

std::string StakesSentence(const Game& game) {
    return "Stakes = $" + std::to_string(game.state.Stakes);
}

void AnnounceStakes(Game& game) {
    StopSpeech(game);
    Speak(game, StakesSentence(game));
    const ui::Control& bet = game.GameScreen.lblBet;
    if (bet.Visible()) {
        Speak(game, "Current " + bet.Caption());
    }
}

}  // namespace game
