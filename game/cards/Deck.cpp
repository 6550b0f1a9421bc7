#include "game/cards/Deck.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/cards/SeenCards.h"
#include "game/rules/Rules.h"
#include "game/shell/Game.h"

namespace game {

namespace {

constexpr int kCards = 52;

// A real number r with 0 <= r < 1, made exact in single precision from 24 random bits, so that
// r * 52 can never round up to 52.
float NextReal(std::mt19937& generator) {
    return static_cast<float>(generator() >> 8) * 0x1p-24f;
}

std::int16_t DrawCard(std::mt19937& generator) {
    return static_cast<std::int16_t>(std::floor(static_cast<double>(NextReal(generator)) * kCards) +
                                     1);
}

std::mt19937 Reseeded(ShuffleControl& shuffle) {
    const std::uint32_t count = shuffle.shuffles++;
    if (shuffle.seed) {
        std::seed_seq sequence{*shuffle.seed, count};
        return std::mt19937(sequence);
    }
    const auto clock =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count() ^
                                   std::chrono::steady_clock::now().time_since_epoch().count());
    std::seed_seq sequence{static_cast<std::uint32_t>(clock),
                           static_cast<std::uint32_t>(clock >> 32), count};
    return std::mt19937(sequence);
}

constexpr const char* kStackedDeckRule = "a stacked deck names each card from 1 to 52 at most once";

void CheckStackedDeck(const std::vector<std::int16_t>& stacked) {
    std::vector<std::int16_t> sorted = stacked;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() ||
        (!sorted.empty() && (sorted.front() < 1 || sorted.back() > kCards))) {
        throw std::invalid_argument(kStackedDeckRule);
    }
}

// The stacked cards on top in their order, the others after them from the lowest up.
void StackDeck(DeckSlots& deck, const std::vector<std::int16_t>& stacked) {
    CheckStackedDeck(stacked);
    int slot = 0;
    for (const std::int16_t card : stacked) {
        deck[slot++] = card;
    }
    for (std::int16_t card = 1; card <= kCards; ++card) {
        if (std::find(stacked.begin(), stacked.end(), card) == stacked.end()) {
            deck[slot++] = card;
        }
    }
}

// The 52 cards in a new order: the stacked deck once, when one is set, or shuffled.
void NewOrder(ShuffleControl& shuffle, DeckSlots& deck) {
    std::mt19937 generator = Reseeded(shuffle);
    if (!shuffle.stackedDeck.empty()) {
        StackDeck(deck, shuffle.stackedDeck);
        shuffle.stackedDeck.clear();
        return;
    }
    FillDeck(deck, generator);
}

}  // namespace

void FillDeck(DeckSlots& deck, std::mt19937& generator) {
    for (int slot = 0; slot < kCards; ++slot) {
        std::int16_t card = 0;
        bool placed = true;
        do {
            card = DrawCard(generator);
            placed = false;
            for (int before = 0; before < slot && !placed; ++before) {
                placed = deck[before] == card;
            }
        } while (placed);
        deck[slot] = card;
    }
}

void ShuffleDeck(Game& game) {
    NewOrder(game.shuffle, game.state.Deck);
    ForgetSeenCards(game.state);
}

void ShuffleAroundTable(Game& game, const std::vector<Int16>& onTable) {
    DeckSlots order;
    NewOrder(game.shuffle, order);
    DeckSlots& deck = game.state.Deck;
    int slot = 0;
    for (const Int16 card : onTable) {
        deck[slot++] = card;
    }
    game.state.DealPosition = slot;
    KeepSeenCardsOnTable(game.state, onTable);
    for (int from = 0; from < kCards; ++from) {
        if (std::find(onTable.begin(), onTable.end(), order[from]) == onTable.end()) {
            deck[slot++] = order[from];
        }
    }
}

std::vector<std::int16_t> ParseStackedDeck(std::string_view text) {
    std::vector<std::int16_t> cards;
    std::istringstream words{std::string(text)};
    std::string word;
    while (words >> word) {
        int card = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), card);
        if (error != std::errc() || end != word.data() + word.size() || card < 1 || card > kCards) {
            throw std::invalid_argument("\"" + word + "\" is not a card: " + kStackedDeckRule);
        }
        cards.push_back(static_cast<std::int16_t>(card));
    }
    CheckStackedDeck(cards);
    return cards;
}

bool DeckNeedsShuffle(const Game& game) {
    return game.state.DealPosition > rules::kGameRules.reshuffleAfter ||
           game.GameScreen.ShuffleNeeded;
}

}  // namespace game
