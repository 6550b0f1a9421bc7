#include "game/coach/Shoe.h"

#include <stdexcept>
#include <string>

#include "game/rules/HandValue.h"
#include "game/rules/Rules.h"

namespace game::coach {

using namespace rules;  // the engine is written in the rules' own terms

namespace {

// An infinite shoe keeps the proportions of one deck.
constexpr int kPerRank = 4;
constexpr int kTensPerDeck = 16;
constexpr int kDeck = 52;

}  // namespace

int RankOf(int cardValue) {
    if (IsAce(cardValue)) {
        return kAce;
    }
    if (cardValue < 2 || cardValue > kTen) {
        throw std::invalid_argument("no card has the value " + std::to_string(cardValue));
    }
    return cardValue;
}

Shoe Shoe::Full(int decks) {
    if (decks < 0) {
        throw std::invalid_argument("a shoe cannot hold " + std::to_string(decks) + " decks");
    }
    Shoe shoe;
    shoe.m_infinite = decks == Rules::kInfiniteDecks;
    const int perDeck = shoe.m_infinite ? 1 : decks;
    for (int rank = 1; rank <= kRanks; ++rank) {
        shoe.m_counts[rank] = (rank == kTen ? kTensPerDeck : kPerRank) * perDeck;
    }
    shoe.m_total = kDeck * perDeck;
    return shoe;
}

void Shoe::Remove(const std::vector<int>& cardValues) {
    for (const int value : cardValues) {
        RemoveRank(RankOf(value));
    }
}

void Shoe::RemoveRank(int rank) {
    if (m_infinite) {
        return;
    }
    if (m_counts[rank] == 0) {
        throw std::invalid_argument("more cards of value " + std::to_string(ValueOfRank(rank)) +
                                    " than the shoe holds");
    }
    m_counts[rank] -= 1;
    m_total -= 1;
}

}  // namespace game::coach
