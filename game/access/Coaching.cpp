#include "game/access/Coaching.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/access/CoachTexts.h"
#include "game/access/Speech.h"
#include "game/cards/Deck.h"
#include "game/cards/SeenCards.h"
#include "game/play/DoubleDown.h"
#include "game/play/Insurance.h"
#include "game/play/PlayerTurn.h"
#include "game/play/SplitPairs.h"
#include "game/rules/Eligibility.h"
#include "game/rules/HandValue.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "platform/settings/Store.h"
#include "platform/ui/KeyCodes.h"

namespace game {

namespace {

constexpr std::string_view kApp = "Ventrelle";
constexpr std::string_view kSection = "Coach";
constexpr std::string_view kKey = "Warns";
constexpr std::string_view kNoHand = "The coach can weigh your plays when it is your turn. ";

// An ace counts 11 in the seen cards and 1 or 11 in a hand.
int AsSeen(int value) {
    return value == 1 ? rules::kAceValue : value;
}

// The seen cards other than the hand in play and the dealer's face-up card.
std::vector<int> OtherCardsSeen(const GameState& state, const coach::Situation& situation) {
    std::vector<int> others = SeenCardValues(state);
    std::vector<int> onTable = situation.playerCards;
    onTable.push_back(situation.dealerUpCard);
    for (const int value : onTable) {
        const auto found = std::find(others.begin(), others.end(), AsSeen(value));
        if (found != others.end()) {
            others.erase(found);
        }
    }
    return others;
}

// Drops the plays the table would refuse now for reasons the engine does not know (the stakes).
void KeepAcceptedPlays(const GameState& state, coach::PlayValues& values) {
    if (rules::CheckHit(HitRequestOf(state), rules::kGameRules) != rules::HitRefusal::None) {
        values.hit.reset();
    }
    if (rules::CheckDouble(DoubleDownRequestOf(state), rules::kGameRules) !=
        rules::DoubleRefusal::None) {
        values.doubleDown.reset();
    }
    if (rules::CheckSplit(SplitRequestOf(state), rules::kGameRules) != rules::SplitRefusal::None) {
        values.split.reset();
    }
    if (rules::CheckInsurance(InsuranceRequestOf(state)) != rules::InsuranceRefusal::None) {
        values.insurance.reset();
    }
}

// The values of the hand's plays, worked out once per hand as it stands; none for a hand already
// over 21 or won by five cards, which is settled without another play.
const coach::PlayValues* Weigh(Game& game, const coach::Situation& situation) {
    CoachMemory& memory = game.state.Coach;
    if (memory.Weighed != situation) {
        coach::PlayValues values;
        try {
            values = coach::Evaluate(rules::kGameRules, situation);
        } catch (const std::invalid_argument&) {
            return nullptr;
        }
        KeepAcceptedPlays(game.state, values);
        memory.WeighedValues = values;
        memory.Weighed = situation;
        memory.FiguresNext = false;
    }
    return &memory.WeighedValues;
}

void ShowWarnsMark(Game& game) {
    game.GameScreen.mnuOptionsCoachWarns.SetMark(game.state.Coach.Warns ? ui::CheckMark::On
                                                                        : ui::CheckMark::Off);
}

}  // namespace

std::optional<coach::Situation> CoachSituation(const Game& game) {
    const GameState& state = game.state;
    if (!state.GameInProgress || game.playBusy || state.PlayerCardCount < 2 ||
        state.DealerCardCount < 2) {
        return std::nullopt;
    }
    coach::Situation situation;
    for (int slot = 1; slot <= state.PlayerCardCount; ++slot) {
        situation.playerCards.push_back(state.PlayerCardValues[slot]);
    }
    situation.dealerUpCard = state.DealerCardValues[2];
    situation.splitsMade = state.SplitInProgress ? state.SplitCount.Value() : 0;
    situation.insuranceTaken = state.InsuranceTaken;
    situation.otherCardsSeen = OtherCardsSeen(state, situation);
    return situation;
}

void SpeakCoachHint(Game& game) {
    Guarded(game, Report::ShowError, " SpeakCoachHint()", [&] {
        StopSpeech(game);
        const std::optional<coach::Situation> situation = CoachSituation(game);
        const coach::PlayValues* values = situation ? Weigh(game, *situation) : nullptr;
        if (values == nullptr) {
            Speak(game, kNoHand);
            return;
        }
        CoachMemory& memory = game.state.Coach;
        Speak(game, memory.FiguresNext ? FiguresText(*values) : BestPlayText(*values));
        memory.FiguresNext = !memory.FiguresNext;
    });
}

void TableControl_KeyDown(Game& game, int& keyCode) {
    if (keyCode == ui::vk::F8) {
        keyCode = ui::vk::None;
        SpeakCoachHint(game);
    }
}

void SpeakNextHandValue(Game& game) {
    Guarded(game, Report::ShowError, " SpeakNextHandValue()", [&] {
        StopSpeech(game);
        CoachMemory& memory = game.state.Coach;
        double value = 0.0;
        if (DeckNeedsShuffle(game) || memory.SeenCards.empty()) {
            if (!memory.FullDeckReturn) {
                memory.FullDeckReturn = coach::NextHandReturn(rules::kGameRules, {}, 0);
            }
            value = *memory.FullDeckReturn;
        } else {
            std::vector<int> seen = SeenCardValues(game.state);
            std::sort(seen.begin(), seen.end());
            if (!memory.NextHandReturn || memory.NextHandSeen != seen) {
                memory.NextHandReturn =
                    coach::NextHandReturn(rules::kGameRules, seen, game.state.DealPosition);
                memory.NextHandSeen = std::move(seen);
            }
            value = *memory.NextHandReturn;
        }
        Speak(game, NextHandText(value));
    });
}

void CoachedPlay(Game& game, coach::Play play, void (*handler)(Game&)) {
    CoachMemory& memory = game.state.Coach;
    memory.FiguresNext = false;
    if (memory.Warns) {
        const std::optional<coach::Situation> situation = CoachSituation(game);
        // A play the table refuses has no value, so its refusal is never followed by a warning.
        if (const coach::PlayValues* values = situation ? Weigh(game, *situation) : nullptr) {
            memory.PendingWarning = WarningText(*values, play);
        }
    }
    handler(game);
    // A play that said nothing leaves no warning for later speech.
    memory.PendingWarning.clear();
}

void LoadCoachWarns(Game& game) {
    Guarded(game, Report::ShowError, " LoadCoachWarns()", [&] {
        game.state.Coach.Warns = settings::GetSetting(game.store, kApp, kSection, kKey, "0") == "1";
        ShowWarnsMark(game);
    });
}

void mnuOptionsCoachWarns_Click(Game& game) {
    Guarded(game, Report::ShowError, " mnuOptionsCoachWarns_Click()", [&] {
        CoachMemory& memory = game.state.Coach;
        memory.Warns = !memory.Warns;
        settings::SaveSetting(game.store, kApp, kSection, kKey, memory.Warns ? "1" : "0");
        ShowWarnsMark(game);
        StopSpeech(game);
        Speak(game, memory.Warns ? "The coach will warn you of a costly play. "
                                 : "The coach will not warn you. ");
    });
}

}  // namespace game
