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

// Sorts the entries by the group `groupOf` puts them in, numbered below `groups`, and sets where
// each group begins.
template <class Entry, class GroupOf>
void GroupBy(std::vector<Entry>& entries, std::vector<std::size_t>& from, std::size_t groups,
             GroupOf groupOf) {
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& one, const Entry& other) {
        return groupOf(one) < groupOf(other);
    });
    from.assign(groups + 1, 0);
    for (std::size_t group = 0, at = 0; group <= groups; ++group) {
        while (at < entries.size() && static_cast<std::size_t>(groupOf(entries[at])) < group) {
            ++at;
        }
        from[group] = at;
    }
}

}  // namespace

DealerTable::DealerTable(int upRank, const Rules& rules, const Shoe& shoe) {
    // Every drawing hand by the cards it drew, found hand by hand from the face-up card alone.
    std::unordered_map<std::uint64_t, std::int32_t> known;
    std::vector<HandValue> values;
    std::vector<Drawn> drawnBy;
    std::map<Ending, std::uint16_t> endingIndex;
    std::vector<Step> steps;
    std::vector<Held> held;
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
                steps.push_back(Step{static_cast<std::int32_t>(index), found->second,
                                     static_cast<std::uint8_t>(rank), drawnBy[index][rank]});
            }
        }
        const auto [found, added] =
            endingIndex.emplace(ending, static_cast<std::uint16_t>(m_endings.size()));
        if (added) {
            m_endings.push_back(ending);
        }
        hand.ending = found->second;
        // Only the ranks that end the hand need its drawn cards gathered by ending.
        for (int rank = 1; rank <= kRanks; ++rank) {
            if (ending[rank] != kDraws && drawnBy[index][rank] > 0) {
                held.push_back(Held{static_cast<std::int32_t>(index),
                                    hand.ending * (kRanks + 1) + rank, 1.0 * drawnBy[index][rank]});
            }
        }
        hand.cards = static_cast<std::uint8_t>(values[index].cards - 1);
        hand.total = static_cast<std::uint8_t>(values[index].total);
        m_mostCards = std::max<int>(m_mostCards, hand.cards);
        m_hands.push_back(hand);
    }
    m_stepsInto.entries = std::move(steps);
    GroupBy(m_stepsInto.entries, m_stepsInto.from, m_hands.size(),
            [](const Step& step) { return step.to; });
    for (std::size_t hand = 0; hand < m_hands.size(); ++hand) {
        m_handsByEnding.entries.push_back(static_cast<std::int32_t>(hand));
    }
    GroupBy(m_handsByEnding.entries, m_handsByEnding.from, m_endings.size(),
            [&](std::int32_t hand) { return m_hands[static_cast<std::size_t>(hand)].ending; });
    m_heldByEnding.entries = std::move(held);
    GroupBy(m_heldByEnding.entries, m_heldByEnding.from, m_endings.size() * (kRanks + 1),
            [](const Held& entry) { return entry.at; });
}

// The hands are taken in the order they were found, each after every hand that draws to it, and
// each sums the chance passed on to it. A hand reached in a lane drew no more of a rank than that
// lane holds, so no count of cards left goes below zero where it matters; where a lane did not
// reach the hand, its chance is nothing anyway. What a hand passes to the final outcomes is only
// gathered by its ending: the chance of a card of rank r is the cards of r left less those the hand
// drew, so summed over the hands of one ending it is the chance of coming to them times the cards
// of r left, less the same chance weighted by the cards of r they drew. A lane left unused has no
// cards and reaches nothing. The work is a few flat loops, without a branch that depends on the
// hand.
template <std::size_t kWidth>
void DealerTable::Pass(const Shoe& shoe, std::span<const Removal> removals,
                       std::span<DealerOdds> odds) const {
    using Lanes = std::array<double, kWidth>;
    // The cards of each rank left, and the chance of any one card when a hand has drawn so many.
    std::array<Lanes, kRanks + 1> left{};
    std::array<Lanes, kMostDealerCards + 1> perCard{};
    std::array<bool, kMostDealerCards + 1> runsOut{};
    for (std::size_t lane = 0; lane < removals.size(); ++lane) {
        const Removal& removal = removals[lane];
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
    // An infinite shoe loses nothing to what a hand drew.
    const double tookShare = shoe.Infinite() ? 0.0 : 1.0;
    // A hand that finds no card left stands on its total.
    std::array<std::array<double, kOutcomes>, kWidth> standing{};
    // The chance of reaching each hand and drawing any one card next.
    std::vector<Lanes> scale(m_hands.size());
    for (std::size_t hand = 0; hand < m_hands.size(); ++hand) {
        Lanes reach{};
        if (hand == 0) {
            std::fill_n(reach.begin(), removals.size(), 1.0);
        }
        for (std::size_t at = m_stepsInto.from[hand]; at < m_stepsInto.from[hand + 1]; ++at) {
            const Step& step = m_stepsInto.entries[at];
            const Lanes& from = scale[static_cast<std::size_t>(step.from)];
            const Lanes& ofRank = left[step.rank];
            const double took = tookShare * step.took;
            for (std::size_t lane = 0; lane < kWidth; ++lane) {
                reach[lane] += from[lane] * (ofRank[lane] - took);
            }
        }
        const std::size_t cards = m_hands[hand].cards;
        for (std::size_t lane = 0; lane < kWidth; ++lane) {
            scale[hand][lane] = reach[lane] * perCard[cards][lane];
        }
        if (runsOut[cards]) {
            for (std::size_t lane = 0; lane < removals.size(); ++lane) {
                if (perCard[cards][lane] == 0.0) {
                    standing[lane][m_hands[hand].total] += reach[lane];
                }
            }
        }
    }
    std::array<Lanes, kOutcomes> outcomes{};
    for (std::size_t ending = 0; ending < m_endings.size(); ++ending) {
        Lanes toEnding{};
        for (std::size_t at = m_handsByEnding.from[ending]; at < m_handsByEnding.from[ending + 1];
             ++at) {
            const Lanes& from = scale[static_cast<std::size_t>(m_handsByEnding.entries[at])];
            for (std::size_t lane = 0; lane < kWidth; ++lane) {
                toEnding[lane] += from[lane];
            }
        }
        for (int rank = 1; rank <= kRanks; ++rank) {
            const int outcome = m_endings[ending][rank];
            if (outcome == kDraws) {
                continue;
            }
            const std::size_t group = ending * (kRanks + 1) + static_cast<std::size_t>(rank);
            Lanes held{};
            for (std::size_t at = m_heldByEnding.from[group]; at < m_heldByEnding.from[group + 1];
                 ++at) {
                const Held& entry = m_heldByEnding.entries[at];
                const Lanes& from = scale[static_cast<std::size_t>(entry.hand)];
                const double count = tookShare * entry.count;
                for (std::size_t lane = 0; lane < kWidth; ++lane) {
                    held[lane] += from[lane] * count;
                }
            }
            for (std::size_t lane = 0; lane < kWidth; ++lane) {
                outcomes[outcome][lane] += toEnding[lane] * left[rank][lane] - held[lane];
            }
        }
    }
    for (std::size_t lane = 0; lane < removals.size(); ++lane) {
        for (int outcome = 0; outcome < kOutcomes; ++outcome) {
            odds[lane].chance[outcome] = standing[lane][outcome] + outcomes[outcome][lane];
        }
    }
}

DealerOdds DealerTable::Odds(const Shoe& shoe, const RankCounts& removed, int removedTotal) const {
    const Removal removal{removed, removedTotal};
    DealerOdds odds;
    Pass<1>(shoe, std::span(&removal, 1), std::span(&odds, 1));
    return odds;
}

void DealerTable::Odds(const Shoe& shoe, std::span<const Removal> removals,
                       std::span<DealerOdds> odds) const {
    // A pass costs a share for the hands it walks and a share for each lane: the odd one or two
    // left over take a narrower pass.
    for (std::size_t from = 0; from < removals.size();) {
        const std::size_t lanes = std::min(kLanes, removals.size() - from);
        const auto part = removals.subspan(from, lanes);
        const auto into = odds.subspan(from, lanes);
        if (lanes == 1) {
            Pass<1>(shoe, part, into);
        } else if (lanes == 2) {
            Pass<2>(shoe, part, into);
        } else {
            Pass<kLanes>(shoe, part, into);
        }
        from += lanes;
    }
}

}  // namespace game::coach
