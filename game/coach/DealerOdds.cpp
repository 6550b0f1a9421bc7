#include "game/coach/DealerOdds.h"

#include <algorithm>
#include <unordered_map>

#include "game/rules/HandValue.h"

namespace game::coach {

using namespace rules;  // the engine is written in the rules' own terms

namespace {

constexpr int kBitsPerRank = 5;
// No dealer hand below 17 holds more cards of one rank than this, so an infinite shoe's hands
// stop there too.
constexpr int kMostOfOneRank = 16;
// A dealer hand below 17 holds at most this many cards besides the face-up card.
constexpr int kMostDealerCards = 16;
constexpr int kOutcomes = static_cast<int>(std::tuple_size_v<decltype(DealerOdds::chance)>);

constexpr std::array<std::uint8_t, kRanks + 1> kNothingDrawn{};

std::uint64_t KeyOf(const std::array<std::uint8_t, kRanks + 1>& drawn) {
    std::uint64_t key = 0;
    for (int rank = 1; rank <= kRanks; ++rank) {
        key = (key << kBitsPerRank) | drawn[rank];
    }
    return key;
}

}  // namespace

DealerTable::DealerTable(int upRank, const Rules& rules, const Shoe& shoe) {
    std::unordered_map<std::uint64_t, std::int32_t> known;
    std::vector<HandValue> values;
    // Outcomes are numbered after the drawing hands, which are only counted at the end: keep them
    // apart until then.
    std::vector<std::array<bool, kRanks + 1>> final;
    m_hands.push_back(DrawingHand{});
    values.push_back(AddCard(HandValue{}, ValueOfRank(upRank)));
    final.emplace_back();
    m_hands.front().total = values.front().total;
    known.emplace(KeyOf(m_hands.front().drawn), 0);
    for (std::size_t index = 0; index < m_hands.size(); ++index) {
        for (int rank = 1; rank <= kRanks; ++rank) {
            const int most = shoe.Infinite() ? kMostOfOneRank : shoe.Count(rank);
            std::int32_t next = -1;  // an outcome beyond the last, never reached
            bool isFinal = true;
            if (m_hands[index].drawn[rank] < most) {
                const HandValue grown = AddCard(values[index], ValueOfRank(rank));
                if (IsBlackjack(grown, HandKind::Ordinary)) {
                    next = DealerOdds::kBlackjack;
                } else if (IsBust(grown)) {
                    next = DealerOdds::kBust;
                } else if (!DealerDraws(grown, rules)) {
                    next = grown.total;
                } else {
                    DrawingHand child = m_hands[index];
                    child.drawn[rank] += 1;
                    child.cards += 1;
                    child.total = grown.total;
                    const auto [found, added] = known.emplace(
                        KeyOf(child.drawn), static_cast<std::int32_t>(m_hands.size()));
                    if (added) {
                        m_hands.push_back(child);
                        values.push_back(grown);
                        final.emplace_back();
                    }
                    next = found->second;
                    isFinal = false;
                }
            }
            m_hands[index].next[rank] = next;
            final[index][rank] = isFinal;
        }
    }
    const auto outcomesFrom = static_cast<std::int32_t>(m_hands.size());
    for (std::size_t index = 0; index < m_hands.size(); ++index) {
        for (int rank = 1; rank <= kRanks; ++rank) {
            std::int32_t& next = m_hands[index].next[rank];
            if (final[index][rank]) {
                next = next < 0 ? outcomesFrom + kOutcomes : outcomesFrom + next;
            }
        }
        m_mostCards = std::max(m_mostCards, m_hands[index].cards);
    }
    m_reach.resize(m_hands.size() + kOutcomes + 1);
}

DealerOdds DealerTable::Odds(const Shoe& shoe, const RankCounts& removed, int removedTotal) const {
    std::fill(m_reach.begin(), m_reach.end(), 0.0);
    m_reach.front() = 1.0;
    const std::size_t hands = m_hands.size();
    const double* const outcomes = m_reach.data() + hands;
    // The cards of each rank left, less what the drawing hand took; the chance of drawing one
    // more is that over the cards left.
    std::array<int, kRanks + 1> left{};
    std::array<double, kMostDealerCards + 1> perCard{};
    for (int rank = 1; rank <= kRanks; ++rank) {
        left[rank] = shoe.Infinite() ? shoe.Count(rank) : shoe.Count(rank) - removed[rank];
    }
    for (int cards = 0; cards <= m_mostCards; ++cards) {
        const int total = shoe.Infinite() ? shoe.Total() : shoe.Total() - removedTotal - cards;
        perCard[static_cast<std::size_t>(cards)] = total > 0 ? 1.0 / total : 0.0;
    }
    DealerOdds odds;
    for (std::size_t index = 0; index < hands; ++index) {
        const double reach = m_reach[index];
        if (reach == 0.0) {
            continue;
        }
        const DrawingHand& hand = m_hands[index];
        const double scale = reach * perCard[static_cast<std::size_t>(hand.cards)];
        if (scale == 0.0) {
            odds.chance[static_cast<std::size_t>(hand.total)] += reach;  // no card left: it stands
            continue;
        }
        // An infinite shoe loses nothing to what the hand drew.
        const auto& drawn = shoe.Infinite() ? kNothingDrawn : hand.drawn;
        for (int rank = 1; rank <= kRanks; ++rank) {
            const int ofRank = std::max(0, left[rank] - drawn[rank]);
            m_reach[static_cast<std::size_t>(hand.next[rank])] += scale * ofRank;
        }
    }
    for (int outcome = 0; outcome < kOutcomes; ++outcome) {
        odds.chance[static_cast<std::size_t>(outcome)] += outcomes[outcome];
    }
    return odds;
}

}  // namespace game::coach
