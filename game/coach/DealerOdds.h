// The chances of the dealer's final hand for one face-up card, drawn from a given set of unseen
// cards (the face-down card first, then every hit).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "game/coach/Shoe.h"
#include "game/rules/Rules.h"

namespace game::coach {

// Index t (0 to 21) is a dealer who stands on t: 17 to 21, or less when the cards ran out.
struct DealerOdds {
    static constexpr int kBust = 22;
    static constexpr int kBlackjack = 23;
    std::array<double, 24> chance{};
};

// Cards gone from a shoe before the dealer draws: how many of each rank, and in all.
struct Removal {
    RankCounts counts{};
    int total = 0;
};

class DealerTable {
public:
    // How many sets of removed cards one pass over the table serves.
    static constexpr int kLanes = 4;

    // Every way the dealer's hand can grow from `upRank` without running past the cards `shoe`
    // holds, under the dealer's drawing rule.
    DealerTable(int upRank, const rules::Rules& rules, const Shoe& shoe);

    // The odds when the dealer draws from `shoe` less the `removedTotal` cards of `removed`.
    DealerOdds Odds(const Shoe& shoe, const RankCounts& removed, int removedTotal) const;

    // The odds for each of `removals`, into `odds` in the same order, as Odds() gives them one
    // by one; several share each pass over the table.
    void Odds(const Shoe& shoe, std::span<const Removal> removals,
              std::span<DealerOdds> odds) const;

private:
    using Lanes = std::array<double, kLanes>;

    // One hand the dealer draws from: the ranks whose next card leads to another drawing hand
    // (an index into m_hands), the cards drawn so far by rank, and its ending: which final
    // outcome each other rank leads to (an index into m_endings).
    struct DrawingHand {
        std::array<std::uint8_t, kRanks> childRank{};
        std::array<std::uint8_t, kRanks> childRankHeld{};  // the cards of that rank drawn so far
        std::array<std::int32_t, kRanks> child{};
        std::array<std::uint8_t, kRanks> heldRank{};
        std::array<std::uint8_t, kRanks> held{};
        std::uint8_t children = 0;
        std::uint8_t heldRanks = 0;
        std::uint16_t ending = 0;
        std::uint8_t cards = 0;
        std::uint8_t total = 0;
    };
    // For each rank, the index in DealerOdds that a card of it ends the hand on, or kDraws when
    // the dealer draws on (or no card of the rank is left to draw).
    static constexpr std::int8_t kDraws = -1;
    using Ending = std::array<std::int8_t, kRanks + 1>;

    // One pass over the table for up to kLanes removals.
    void Pass(const Shoe& shoe, std::span<const Removal> removals,
              std::span<DealerOdds> odds) const;

    std::vector<DrawingHand> m_hands;  // in the order of their number of cards
    std::vector<Ending> m_endings;
    int m_mostCards = 0;
    // The chance of reaching each hand in each lane, and for each ending the chance of coming to
    // one of its hands and ready to draw, in all and weighted by the cards of each rank drawn.
    mutable std::vector<Lanes> m_reach;
    mutable std::vector<Lanes> m_toEnding;
    mutable std::vector<Lanes> m_heldAtEnding;  // (kRanks + 1) for each ending
};

}  // namespace game::coach
