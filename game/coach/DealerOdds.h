// The chances of the dealer's final hand for one face-up card, drawn from a given set of unseen
// cards (the face-down card first, then every hit).
#pragma once

#include <array>
#include <cstdint>
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

class DealerTable {
public:
    // Every way the dealer's hand can grow from `upRank` without running past the cards `shoe`
    // holds, under the dealer's drawing rule.
    DealerTable(int upRank, const rules::Rules& rules, const Shoe& shoe);

    // The odds when the dealer draws from `shoe` less the `removedTotal` cards of `removed`.
    DealerOdds Odds(const Shoe& shoe, const RankCounts& removed, int removedTotal) const;

private:
    // One hand the dealer draws from: the cards it has drawn so far and, for each rank, where the
    // next card of that rank leads: another drawing hand (an index into m_hands) or a final
    // outcome (m_hands.size() + its index in DealerOdds).
    struct DrawingHand {
        std::array<std::int32_t, kRanks + 1> next{};
        std::array<std::uint8_t, kRanks + 1> drawn{};
        int cards = 0;
        int total = 0;
    };

    std::vector<DrawingHand> m_hands;  // in the order of their number of cards
    int m_mostCards = 0;
    mutable std::vector<double> m_reach;  // the chance of reaching each hand, then each outcome
};

}  // namespace game::coach
