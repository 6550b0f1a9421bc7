#include "game/cards/NextCard.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "game/access/Speech.h"
#include "game/cards/Cards.h"
#include "game/cards/Deck.h"
#include "game/shell/Game.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

constexpr int kCards = 52;
constexpr int kSplitHandSlots = 4;

void Add(std::vector<Int16>& cards, std::string_view name) {
    const Int16 card = CardNumberOf(name);
    if (std::find(cards.begin(), cards.end(), card) == cards.end()) {
        cards.push_back(card);
    }
}

// Every card of the dealer's hand, the hand being played and the split hands, each once.
std::vector<Int16> CardsOnTable(const GameState& state) {
    std::vector<Int16> cards;
    for (int slot = 1; slot <= state.DealerCardCount; ++slot) {
        Add(cards, state.DealerCardNames[slot].Text());
    }
    for (int slot = 1; slot <= state.PlayerCardCount; ++slot) {
        Add(cards, state.PlayerCardNames[slot].Text());
    }
    for (int hand = 1; hand <= kSplitHandSlots; ++hand) {
        const SplitHand& split = state.SplitHands[hand];
        for (int slot = 1; slot <= split.CardCount; ++slot) {
            Add(cards, split.CardNames[slot]);
        }
    }
    return cards;
}

}  // namespace

Int16 NextCard(Game& game) {
    GameState& state = game.state;
    if (state.DealPosition >= kCards) {
        ShuffleAroundTable(game, CardsOnTable(state));
        ShuffleSound(game);
    }
    const Int16 card = state.Deck[state.DealPosition];
    state.DealPosition += 1;
    return card;
}

void ShuffleSound(Game& game) {
    PlaySound(game, "\\shuffle.wav");
    Delay(game, 15);
}

}  // namespace game
