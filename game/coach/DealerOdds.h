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
    // How many sets of removed cards one pass over the table serves at most.
    static constexpr std::size_t kLanes = 4;

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
    // One hand the dealer draws from: its total, how many cards it drew after the face-up card,
    // and its ending, which tells the final outcome each rank that does not draw on leads to (an
    // index into m_endings).
    struct DrawingHand {
        std::uint16_t ending = 0;
        std::uint8_t cards = 0;
        std::uint8_t total = 0;
    };
    // A card that leads from one drawing hand to another, with how many of its rank the hand it
    // leaves from drew.
    struct Step {
        std::int32_t from = 0;
        std::int32_t to = 0;
        std::uint8_t rank = 0;
        std::uint8_t took = 0;
    };
    // How many cards of a rank that ends it a drawing hand drew: `at` is the ending's rank, as
    // ending * (kRanks + 1) + rank.
    struct Held {
        std::int32_t hand = 0;
        std::int32_t at = 0;
        double count = 0.0;
    };
    // Entries of a list sorted by what they add to, and where the entries for each begin (one
    // more marks the end): each sum is then taken in one go.
    template <class Entry>
    struct Grouped {
        std::vector<Entry> entries;
        std::vector<std::size_t> from;
    };
    // For each rank, the index in DealerOdds that a card of it ends the hand on, or kDraws when
    // the dealer draws on (or no card of the rank is left to draw).
    static constexpr std::int8_t kDraws = -1;
    using Ending = std::array<std::int8_t, kRanks + 1>;

    // One pass over the table for up to kWidth removals.
    template <std::size_t kWidth>
    void Pass(const Shoe& shoe, std::span<const Removal> removals,
              std::span<DealerOdds> odds) const;

    std::vector<DrawingHand> m_hands;  // in the order of their number of cards
    std::vector<Ending> m_endings;
    Grouped<Step> m_stepsInto;              // by the hand they lead to
    Grouped<std::int32_t> m_handsByEnding;  // the hands of each ending
    Grouped<Held> m_heldByEnding;           // by their ending's rank
    int m_mostCards = 0;
};

}  // namespace game::coach
