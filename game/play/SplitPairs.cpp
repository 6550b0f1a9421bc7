#include "game/play/SplitPairs.h"

#include "game/play/PlayCommand.h"
#include "game/play/Refusal.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"

namespace game {

namespace {

constexpr int kMostSplits = 3;
constexpr int kSplitHandSlots = 5;
constexpr int kSplitCardSlots = 15;

// Equal values, or a pair of aces one of which the ace rule has lowered.
bool IsPair(const GameState& state) {
    const Int16 first = state.PlayerCardValues[1];
    const Int16 second = state.PlayerCardValues[2];
    return first == second || (first == 11 && second == 1) || (first == 1 && second == 11);
}

}  // namespace

std::optional<std::string> SplitRefusal(const GameState& state) {
    if (state.PlayerCardCount > 2) {
        return "You can only split pairs when you have 2 cards.";
    }
    if (!IsPair(state)) {
        return "You can only split cards with the same value.";
    }
    if (state.SplitCount == kMostSplits) {
        return "You can only split 3 times.";
    }
    if (state.Stakes - state.Bet < 0) {
        return "Your stakes are too low to split this pair.";
    }
    return std::nullopt;
}

void btnSplit_Click(Game& game) {
    PlayCommand(game, [&] {
        Guarded(game, Report::MessageBox, " in btnSplit_Click()", [&] { SplitPairs(game); });
    });
}

void SplitPairs(Game& game) {
    Guarded(game, Report::MessageBox, " in SplitPairs()", [&] {
        if (const std::optional<std::string> refusal = SplitRefusal(game.state)) {
            Refuse(game, "Split Pairs", *refusal);
        }
    });
}

void SetSplitVars(Game& game) {
    Guarded(game, Report::MessageBox, " in SetSplitVars()", [&] {
        GameState& state = game.state;
        state.SplitHandIndex = 0;
        state.SplitInProgress = false;
        state.SplitCount = 0;
        state.SplitAces = false;
        for (int hand = 0; hand < kSplitHandSlots; ++hand) {
            SplitHand& split = state.SplitHands[hand];
            split.CardCount = 0;
            split.Total = 0;
            split.Outcome = 0;
            split.ResultText.clear();
            for (int slot = 0; slot < kSplitCardSlots; ++slot) {
                split.CardValues[slot] = 0;
                split.CardNames[slot].clear();
            }
        }
    });
}

}  // namespace game
