// The cards the player has not seen, counted by rank: what every draw of the hand in play comes
// from, the dealer's face-down card included.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace game::coach {

// Ranks by blackjack value: 1 is the ace, 10 every ten-valued card; index 0 is unused.
inline constexpr int kRanks = 10;
inline constexpr int kAce = 1;
inline constexpr int kTen = 10;
using RankCounts = std::array<int, kRanks + 1>;

// The rank of a card value as the game keeps it (2 to 10, an ace 11 or 1). Throws
// std::invalid_argument for any other value.
int RankOf(int cardValue);

// The card value of a rank for the ace rule: an ace counts 11.
inline int ValueOfRank(int rank) {
    return rank == kAce ? 11 : rank;
}

class Shoe {
public:
    // `decks` full decks, or rules::Rules::kInfiniteDecks: a shoe whose odds never change.
    static Shoe Full(int decks);

    bool Infinite() const { return m_infinite; }
    int Count(int rank) const { return m_counts[rank]; }
    int Total() const { return m_total; }
    const RankCounts& Counts() const { return m_counts; }

    // The chance that the next card is of `rank` when the cards in `removed` (`removedTotal` of
    // them) have also left this shoe.
    double Chance(int rank, const RankCounts& removed, int removedTotal) const {
        if (m_infinite) {
            return static_cast<double>(m_counts[rank]) / m_total;
        }
        const int left = m_total - removedTotal;
        const int ofRank = m_counts[rank] - removed[rank];
        return left > 0 && ofRank > 0 ? static_cast<double>(ofRank) / left : 0.0;
    }

    // Cards left after `removed`; an infinite shoe never runs out.
    bool HasCards(int wanted, int removedTotal) const {
        return m_infinite || m_total - removedTotal >= wanted;
    }

    // Takes out one card of each of these card values. Throws std::invalid_argument when the
    // shoe holds no more of one of them: those cards cannot all have been dealt.
    void Remove(const std::vector<int>& cardValues);
    void RemoveRank(int rank);

private:
    RankCounts m_counts{};
    int m_total = 0;
    bool m_infinite = false;
};

}  // namespace game::coach
