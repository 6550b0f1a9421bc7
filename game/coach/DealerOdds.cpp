#include "game/coach/DealerOdds.h"

#include <algorithm>
#include <map>
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

// The cards a dealer hand drew after the face-up card, by rank.
using Drawn = std::array<std::uint8_t, kRanks + 1>;

std::uint64_t KeyOf(const Drawn& drawn) {
    std::uint64_t key = 0;
    for (int rank = 1; rank <= kRanks; ++rank) {
        key = (key << kBitsPerRank) | drawn[rank];
    }
    return key;
}

}  // namespace

DealerTable::DealerTable(int upRank, const Rules& rules, const Shoe& shoe) {
    // Every drawing hand by the cards it drew, found hand by hand from the face-up card alone.
    std::unordered_map<std::uint64_t, std::int32_t> known;
    std::vector<HandValue> values;
    std::vector<Drawn> drawnBy;
    std::map<Ending, std::uint16_t> endingIndex;
    values.push_back(AddCard(HandValue{}, ValueOfRank(upRank)));
    drawnBy.emplace_back();
    known.emplace(KeyOf(drawnBy.front()), 0);
    for (std::size_t index = 0; index < values.size(); ++index) {
        DrawingHand hand;
        Ending ending;
        ending.fill(kDraws);
        for (int rank = 1; rank <= kRanks; ++rank) {
            const int most = shoe.Infinite() ? kMostOfOneRank : shoe.Count(rank);
            if (drawnBy[index][rank] >= most) {
                continue;  // none left: the rank adds nothing
            }
            const HandValue grown = AddCard(values[index], ValueOfRank(rank));
            if (IsBlackjack(grown, HandKind::Ordinary)) {
                ending[rank] = DealerOdds::kBlackjack;
            } else if (IsBust(grown)) {
                ending[rank] = DealerOdds::kBust;
            } else if (!DealerDraws(grown, rules)) {
                ending[rank] = static_cast<std::int8_t>(grown.total);
            } else {
                Drawn child = drawnBy[index];
                child[rank] += 1;
                const auto [found, added] =
                    known.emplace(KeyOf(child), static_cast<std::int32_t>(values.size()));
                if (added) {
                    values.push_back(grown);
                    drawnBy.push_back(child);
                }
                hand.childRank[hand.children] = static_cast<std::uint8_t>(rank);
                hand.childRankHeld[hand.children] = drawnBy[index][rank];
                hand.child[hand.children] = found->second;
                ++hand.children;
            }
            if (drawnBy[index][rank] > 0) {
                hand.heldRank[hand.heldRanks] = static_cast<std::uint8_t>(rank);
                hand.held[hand.heldRanks] = drawnBy[index][rank];
                ++hand.heldRanks;
            }
        }
        const auto [found, added] =
            endingIndex.emplace(ending, static_cast<std::uint16_t>(m_endings.size()));
        if (added) {
            m_endings.push_back(ending);
        }
        hand.ending = found->second;
        hand.cards = static_cast<std::uint8_t>(values[index].cards - 1);
        hand.total = static_cast<std::uint8_t>(values[index].total);
        m_mostCards = std::max<int>(m_mostCards, hand.cards);
        m_hands.push_back(hand);
    }
    m_reach.resize(m_hands.size());
    m_toEnding.resize(m_endings.size());
    m_heldAtEnding.resize(m_endings.size() * (kRanks + 1));
}

DealerOdds DealerTable::Odds(const Shoe& shoe, const RankCounts& removed, int removedTotal) const {
    const Removal removal{removed, removedTotal};
    DealerOdds odds;
    Pass(shoe, std::span(&removal, 1), std::span(&odds, 1));
    return odds;
}

void DealerTable::Odds(const Shoe& shoe, std::span<const Removal> removals,
                       std::span<DealerOdds> odds) const {
    for (std::size_t from = 0; from < removals.size(); from += kLanes) {
        const std::size_t lanes = std::min<std::size_t>(kLanes, removals.size() - from);
        Pass(shoe, removals.subspan(from, lanes), odds.subspan(from, lanes));
    }
}

// The hands are taken in order, each passing its chance on to the hands it draws to. What a hand
// passes to the final outcomes is only gathered by its ending: the chance of a card of rank r is
// the cards of r left less those the hand drew, so summed over the hands of one ending it is the
// chance of coming to them times the cards of r left, less the same chance weighted by the cards
// of r they drew. A lane left unused has no cards and reaches nothing.
void DealerTable::Pass(const Shoe& shoe, std::span<const Removal> removals,
                       std::span<DealerOdds> odds) const {
    for (auto* lanes : {&m_reach, &m_toEnding, &m_heldAtEnding}) {
        std::fill_n(lanes->front().data(), lanes->size() * kLanes, 0.0);
    }
    // The cards of each rank left, and the chance of any one card when a hand has drawn so many.
    std::array<Lanes, kRanks + 1> left{};
    std::array<Lanes, kMostDealerCards + 1> perCard{};
    std::array<bool, kMostDealerCards + 1> runsOut{};
    for (std::size_t lane = 0; lane < removals.size(); ++lane) {
        const Removal& removal = removals[lane];
        m_reach.front()[lane] = 1.0;
        for (int rank = 1; rank <= kRanks; ++rank) {
            left[rank][lane] =
                shoe.Infinite() ? shoe.Count(rank) : shoe.Count(rank) - removal.counts[rank];
        }
        for (int cards = 0; cards <= m_mostCards; ++cards) {
            const int total = shoe.Infinite() ? shoe.Total() : shoe.Total() - removal.total - cards;
            const auto at = static_cast<std::size_t>(cards);
            perCard[at][lane] = total > 0 ? 1.0 / total : 0.0;
            runsOut[at] = runsOut[at] || total <= 0;
        }
    }
    // A hand that finds no card left stands on its total.
    std::array<std::array<double, kOutcomes>, kLanes> standing{};
    for (std::size_t index = 0; index < m_hands.size(); ++index) {
        const Lanes& reach = m_reach[index];
        if (std::all_of(reach.begin(), reach.end(), [](double chance) { return chance == 0.0; })) {
            continue;
        }
        const DrawingHand& hand = m_hands[index];
        const Lanes& per = perCard[hand.cards];
        Lanes scale;
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            scale[lane] = reach[lane] * per[lane];
        }
        if (runsOut[hand.cards]) {
            for (std::size_t lane = 0; lane < removals.size(); ++lane) {
                if (per[lane] == 0.0) {
                    standing[lane][hand.total] += reach[lane];
                }
            }
        }
        Lanes& toEnding = m_toEnding[hand.ending];
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            toEnding[lane] += scale[lane];
        }
        // An infinite shoe loses nothing to what the hand drew.
        const bool infinite = shoe.Infinite();
        Lanes* const heldAtEnding = &m_heldAtEnding[hand.ending * std::size_t{kRanks + 1}];
        for (int at = 0; at < (infinite ? 0 : hand.heldRanks); ++at) {
            const double held = hand.held[at];
            Lanes& weighted = heldAtEnding[hand.heldRank[at]];
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                weighted[lane] += scale[lane] * held;
            }
        }
        for (int at = 0; at < hand.children; ++at) {
            const double took = infinite ? 0.0 : hand.childRankHeld[at];
            const Lanes& ofRank = left[hand.childRank[at]];
            Lanes& next = m_reach[static_cast<std::size_t>(hand.child[at])];
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                next[lane] += scale[lane] * std::max(0.0, ofRank[lane] - took);
            }
        }
    }
    std::array<Lanes, kOutcomes> outcomes{};
    for (std::size_t ending = 0; ending < m_endings.size(); ++ending) {
        for (int rank = 1; rank <= kRanks; ++rank) {
            const int outcome = m_endings[ending][rank];
            if (outcome == kDraws) {
                continue;
            }
            for (std::size_t lane = 0; lane < kLanes; ++lane) {
                outcomes[outcome][lane] +=
                    m_toEnding[ending][lane] * left[rank][lane] -
                    m_heldAtEnding[ending * (kRanks + 1) + static_cast<std::size_t>(rank)][lane];
            }
        }
    }
    for (std::size_t lane = 0; lane < removals.size(); ++lane) {
        for (int outcome = 0; outcome < kOutcomes; ++outcome) {
            odds[lane].chance[outcome] = standing[lane][outcome] + outcomes[outcome][lane];
        }
    }
}

}  // namespace game::coach
