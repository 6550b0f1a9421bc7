#include "game/cards/SeenCards.h"

#include <algorithm>

#include "game/cards/Cards.h"
#include "game/shell/GameState.h"

namespace game {

namespace {

// The dealer's face-down card is the first dealt to the dealer.
constexpr int kFaceDownSlot = 1;

bool Holds(const std::vector<Int16>& cards, Int16 card) {
    return std::find(cards.begin(), cards.end(), card) != cards.end();
}

}  // namespace

void NoteCardSeen(GameState& state, Int16 card) {
    std::vector<Int16>& seen = state.Coach.SeenCards;
    if (!Holds(seen, card)) {
        seen.push_back(card);
    }
}

void NoteFaceDownCardSeen(GameState& state) {
    NoteCardSeen(state, CardNumberOf(state.DealerCardNames[kFaceDownSlot].Text()));
}

void ForgetSeenCards(GameState& state) {
    state.Coach.SeenCards.clear();
}

void KeepSeenCardsOnTable(GameState& state, const std::vector<Int16>& onTable) {
    std::vector<Int16>& seen = state.Coach.SeenCards;
    std::erase_if(seen, [&](Int16 card) { return !Holds(onTable, card); });
}

std::vector<int> SeenCardValues(const GameState& state) {
    std::vector<int> values;
    values.reserve(state.Coach.SeenCards.size());
    for (const Int16 card : state.Coach.SeenCards) {
        values.push_back(GetCardValue(card));
    }
    return values;
}

}  // namespace game
