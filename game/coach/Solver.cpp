#include "game/coach/Solver.h"

#include <algorithm>
#include <stdexcept>

#include "game/rules/Eligibility.h"
#include "game/rules/Settlement.h"

namespace game::coach {

using namespace rules;  // the engine is written in the rules' own terms

namespace {

constexpr int kBitsPerRank = 5;
constexpr int kHandShift = kBitsPerRank * kRanks;
// About as many hands and card sets as the values of every opening hand against one dealer card
// from a full deck come to.
constexpr std::size_t kExpectedMemos = 1 << 12;

enum HandClass { kOrdinaryHand, kBlackjackHand, kSplitHand };

// The hand's part of a memo key, above the drawn cards' part.
std::uint64_t HandCode(const PlayerHand& hand) {
    std::uint64_t code = static_cast<std::uint64_t>(hand.value.total);
    code = (code << 1) | (hand.value.Soft() ? 1u : 0u);
    code = (code << kBitsPerRank) | static_cast<std::uint64_t>(hand.value.cards);
    code = (code << 1) | (hand.kind == HandKind::Split ? 1u : 0u);
    code = (code << 1) | (hand.mayHit ? 1u : 0u);
    return code << kHandShift;
}

// The dealer's final hand that a bin of DealerOdds stands for.
HandValue DealerHandOf(int bin) {
    if (bin == DealerOdds::kBlackjack) {
        return HandValue{21, 2, 0};
    }
    if (bin == DealerOdds::kBust) {
        return HandValue{22, 3, 0};
    }
    return HandValue{bin, 3, 0};
}

}  // namespace

void Drawn::Add(int rank) {
    m_counts[rank] += 1;
    m_total += 1;
    m_key += std::uint64_t{1} << (kBitsPerRank * (rank - 1));
}

void Drawn::Take(int rank) {
    m_counts[rank] -= 1;
    m_total -= 1;
    m_key -= std::uint64_t{1} << (kBitsPerRank * (rank - 1));
}

Solver::Solver(const Rules& rules, const Shoe& unseen, int upRank)
    : m_rules(rules),
      m_unseen(unseen),
      m_upRank(upRank),
      m_dealer(upRank, rules, unseen),
      m_odds(kExpectedMemos),
      m_best(kExpectedMemos) {
    const bool peek = rules.holeCard == HoleCard::DealerPeeks;
    for (int total = 0; total <= 21; ++total) {
        for (int bin = 0; bin < static_cast<int>(DealerOdds{}.chance.size()); ++bin) {
            const HandValue dealer = DealerHandOf(bin);
            const HandValue ordinary{total, 3, 0};
            const HandValue split{total, 2, 0};
            m_net[kOrdinaryHand][total][bin] =
                NetReturn(ResultOf(SettleOrdinary(ordinary, dealer)), rules);
            m_net[kBlackjackHand][total][bin] =
                NetReturn(ResultOf(SettleOrdinary(HandValue{21, 2, 0}, dealer)), rules);
            m_net[kSplitHand][total][bin] = NetReturn(ResultOf(SettleSplit(split, dealer)), rules);
            if (peek && bin == DealerOdds::kBlackjack) {
                for (auto& byClass : m_net) {
                    byClass[total][bin] = 0.0;
                }
            }
        }
    }
    for (int total = 0; total <= 21; ++total) {
        for (int soft = 0; soft <= 1; ++soft) {
            for (int rank = 1; rank <= kRanks; ++rank) {
                m_grown[total][soft][rank] = AddCard(HandValue{total, 0, soft}, ValueOfRank(rank));
            }
        }
    }
    m_oddsByIndex.reserve(kExpectedMemos);
}

HandValue Solver::Grown(const HandValue& hand, int rank) const {
    // Two aces counted 11 make 22: a hand of 21 or less has at most one.
    HandValue grown = m_grown[hand.total][hand.softAces][rank];
    grown.cards += hand.cards;
    return grown;
}

double Solver::Chance(int rank, const Drawn& drawn) const {
    return m_unseen.Chance(rank, drawn.Counts(), drawn.Total());
}

bool Solver::MayDraw(const Drawn& drawn) const {
    // The dealer's face-down card is one of the unseen cards: a draw needs one more.
    return m_unseen.HasCards(2, drawn.Total());
}

double Solver::DealerBlackjackChance(const Drawn& drawn) const {
    if (m_upRank == kAce) {
        return Chance(kTen, drawn);
    }
    return m_upRank == kTen ? Chance(kAce, drawn) : 0.0;
}

double Solver::NoBlackjackShare(const Drawn& drawn) const {
    return m_rules.holeCard == HoleCard::DealerPeeks ? 1.0 - DealerBlackjackChance(drawn) : 1.0;
}

const DealerOdds& Solver::OddsFor(const Drawn& drawn) {
    const std::uint64_t key = m_unseen.Infinite() ? 0 : drawn.Key();
    if (const std::uint32_t* found = m_odds.Find(key)) {
        return m_oddsByIndex[*found];
    }
    m_oddsByIndex.push_back(m_dealer.Odds(m_unseen, drawn.Counts(), drawn.Total()));
    m_odds.Add(key, static_cast<std::uint32_t>(m_oddsByIndex.size() - 1));
    return m_oddsByIndex.back();
}

void Solver::PrepareOdds(Drawn& drawn, const std::array<bool, kRanks + 1>& ranks) {
    if (m_unseen.Infinite()) {
        return;  // one set of odds serves every hand
    }
    std::array<std::uint64_t, kRanks> keys{};
    std::array<Removal, kRanks> removals{};
    std::size_t wanted = 0;
    for (int rank = 1; rank <= kRanks; ++rank) {
        if (!ranks[rank]) {
            continue;
        }
        drawn.Add(rank);
        if (m_odds.Find(drawn.Key()) == nullptr) {
            keys[wanted] = drawn.Key();
            removals[wanted] = Removal{drawn.Counts(), drawn.Total()};
            ++wanted;
        }
        drawn.Take(rank);
    }
    const std::size_t first = m_oddsByIndex.size();
    m_oddsByIndex.resize(first + wanted);
    m_dealer.Odds(m_unseen, std::span(removals).first(wanted),
                  std::span(m_oddsByIndex).subspan(first, wanted));
    for (std::size_t at = 0; at < wanted; ++at) {
        m_odds.Add(keys[at], static_cast<std::uint32_t>(first + at));
    }
}

double Solver::Stand(const PlayerHand& hand, const Drawn& drawn) {
    HandClass handClass = kOrdinaryHand;
    if (hand.kind == HandKind::Split) {
        handClass = kSplitHand;
    } else if (IsBlackjack(hand.value, hand.kind)) {
        handClass = kBlackjackHand;
    }
    const auto& net = m_net[handClass][hand.value.total];
    const DealerOdds& odds = OddsFor(drawn);
    double value = 0.0;
    for (std::size_t bin = 0; bin < net.size(); ++bin) {
        value += odds.chance[bin] * net[bin];
    }
    return value;
}

double Solver::OneCard(const PlayerHand& hand, Drawn& drawn, Then then) {
    const double stake = then == Then::StandDoubled ? 2.0 : 1.0;
    std::array<double, kRanks + 1> chances{};
    std::array<HandValue, kRanks + 1> grownValues{};
    std::array<AfterCard, kRanks + 1> endings{};
    std::array<bool, kRanks + 1> standing{};  // the hands that stand or play on: they need odds
    for (int rank = 1; rank <= kRanks; ++rank) {
        chances[rank] = Chance(rank, drawn);
        if (chances[rank] != 0.0) {
            grownValues[rank] = Grown(hand.value, rank);
            endings[rank] = AfterPlayerCard(grownValues[rank], m_rules);
            standing[rank] = endings[rank] == AfterCard::PlayOn;
        }
    }
    PrepareOdds(drawn, standing);
    double value = 0.0;
    for (int rank = 1; rank <= kRanks; ++rank) {
        const double chance = chances[rank];
        if (chance == 0.0) {
            continue;
        }
        PlayerHand grown = hand;
        grown.value = grownValues[rank];
        drawn.Add(rank);
        double after = 0.0;
        const AfterCard ending = endings[rank];
        if (ending != AfterCard::PlayOn) {
            after = stake * NetReturn(ResultOf(ending), m_rules) * NoBlackjackShare(drawn);
        } else {
            after = then == Then::StandDoubled ? stake * Stand(grown, drawn) : Best(grown, drawn);
        }
        value += chance * after;
        drawn.Take(rank);
    }
    return value;
}

double Solver::Hit(const PlayerHand& hand, Drawn& drawn) {
    return OneCard(hand, drawn, Then::PlayOn);
}

double Solver::DoubleDown(const PlayerHand& hand, Drawn& drawn) {
    return OneCard(hand, drawn, Then::StandDoubled);
}

double Solver::Best(const PlayerHand& hand, Drawn& drawn) {
    // From an infinite shoe a hand's value does not depend on the cards drawn before it.
    const std::uint64_t key = HandCode(hand) | (m_unseen.Infinite() ? 0 : drawn.Key());
    if (const double* found = m_best.Find(key)) {
        return *found;
    }
    double value = Stand(hand, drawn);
    if (hand.mayHit && MayDraw(drawn)) {
        value = std::max(value, Hit(hand, drawn));
    }
    m_best.Add(key, value);
    return value;
}

bool Solver::HitIsBest(const PlayerHand& hand, Drawn& drawn) {
    return hand.mayHit && MayDraw(drawn) && Hit(hand, drawn) > Stand(hand, drawn);
}

bool Solver::MayDouble(const PlayerHand& hand) const {
    DoubleRequest request;
    request.splitInProgress = hand.kind == HandKind::Split;
    request.acesSplit = !hand.mayHit;
    request.total = hand.value.total;
    request.stakes = 1;
    return CheckDouble(request, m_rules) == DoubleRefusal::None;
}

double Solver::SplitHandStart(int pairRank, int secondRank, Drawn& drawn) {
    PlayerHand hand;
    hand.value = AddCard(AddCard(HandValue{}, ValueOfRank(pairRank)), ValueOfRank(secondRank));
    hand.kind = HandKind::Split;
    hand.mayHit = CheckHit(HitRequest{pairRank == kAce}, m_rules) == HitRefusal::None;
    double value = Best(hand, drawn);
    if (MayDouble(hand) && MayDraw(drawn)) {
        value = std::max(value, DoubleDown(hand, drawn));
    }
    return value;
}

std::vector<Solver::SplitStep> Solver::SplitSteps(int pairRank, int handsAfterSplit, int mostHands,
                                                  Drawn& drawn) {
    std::vector<SplitStep> steps;
    for (int hands = handsAfterSplit; hands <= mostHands; ++hands) {
        SplitStep step;
        step.pairChance = Chance(pairRank, drawn);
        std::array<bool, kRanks + 1> finishes{};  // the second cards that finish a hand
        for (int rank = 1; rank <= kRanks; ++rank) {
            finishes[rank] = Chance(rank, drawn) != 0.0 && !(rank == pairRank && hands < mostHands);
        }
        PrepareOdds(drawn, finishes);
        for (int rank = 1; rank <= kRanks; ++rank) {
            const double chance = Chance(rank, drawn);
            const bool startsHand = rank == pairRank && hands < mostHands;
            if (chance == 0.0 || startsHand) {
                continue;
            }
            drawn.Add(rank);
            const double value = SplitHandStart(pairRank, rank, drawn);
            drawn.Take(rank);
            if (rank == pairRank) {
                step.pairValue = value;
            } else {
                step.otherValue += chance * value;
            }
        }
        steps.push_back(step);
        if (step.pairChance == 0.0) {
            break;  // no pair card left: no further hand can start
        }
        drawn.Add(pairRank);  // the pair card that starts the next hand
    }
    for (std::size_t added = 1; added < steps.size(); ++added) {
        drawn.Take(pairRank);
    }
    return steps;
}

// The hands of a split are dealt their second cards one after another. A pair card dealt while
// the table allows another split starts a new hand (one more second card to deal); any other card
// finishes a hand, whose value is taken with the pair cards of the hands made so far gone.
double Solver::Split(int pairRank, int handsAfterSplit, Drawn& drawn) {
    int mostHands = m_rules.maxSplits + 1;
    if (pairRank == kAce && m_rules.resplitAces == ResplitAces::NotAllowed) {
        mostHands = handsAfterSplit;
    }
    mostHands = std::max(mostHands, handsAfterSplit);
    const std::vector<SplitStep> steps = SplitSteps(pairRank, handsAfterSplit, mostHands, drawn);
    // toCome[s][d]: the value still to come with s more hands made than at the split and d
    // second cards still to deal; the last step can make no more hands.
    const std::size_t last = steps.size() - 1;
    const std::size_t most = static_cast<std::size_t>(mostHands);
    std::vector<std::vector<double>> toCome(steps.size(), std::vector<double>(most + 2, 0.0));
    for (std::size_t step = steps.size(); step-- > 0;) {
        const SplitStep& at = steps[step];
        for (std::size_t toDeal = 1; toDeal <= most; ++toDeal) {
            const double finished = toCome[step][toDeal - 1];
            double value = at.otherValue + (1.0 - at.pairChance) * finished;
            if (step < last) {
                value += at.pairChance * toCome[step + 1][toDeal + 1];
            } else {
                value += at.pairChance * (at.pairValue + finished);
            }
            toCome[step][toDeal] = value;
        }
    }
    return toCome[0][2];
}

PlayOptions Solver::Plays(const std::vector<int>& cardRanks, int splitsMade, bool acesSplit) {
    if (cardRanks.size() < 2) {
        throw std::invalid_argument("a hand in play has at least two cards");
    }
    Drawn drawn;
    PlayerHand hand;
    for (const int rank : cardRanks) {
        drawn.Add(rank);
        hand.value = AddCard(hand.value, ValueOfRank(rank));
    }
    if (AfterPlayerCard(hand.value, m_rules) != AfterCard::PlayOn) {
        throw std::invalid_argument("the hand is already settled");
    }
    hand.kind = splitsMade > 0 ? HandKind::Split : HandKind::Ordinary;
    hand.mayHit = CheckHit(HitRequest{acesSplit}, m_rules) == HitRefusal::None;
    PlayOptions options;
    options.stay = Stand(hand, drawn);
    if (hand.mayHit && MayDraw(drawn)) {
        options.hit = Hit(hand, drawn);
    }
    if (cardRanks.size() != 2) {
        return options;
    }
    if (MayDouble(hand) && MayDraw(drawn)) {
        options.doubleDown = DoubleDown(hand, drawn);
    }
    SplitRequest split;
    split.firstValue = ValueOfRank(cardRanks[0]);
    split.secondValue = ValueOfRank(cardRanks[1]);
    split.splitCount = splitsMade;
    split.acesSplit = acesSplit;
    split.stakes = 1;
    if (CheckSplit(split, m_rules) == SplitRefusal::None && MayDraw(drawn)) {
        options.split = Split(cardRanks[0], splitsMade + 2, drawn);
    }
    return options;
}

double Solver::Conditional(double value, const std::vector<int>& cardRanks) const {
    Drawn drawn;
    for (const int rank : cardRanks) {
        drawn.Add(rank);
    }
    const double share = NoBlackjackShare(drawn);
    return share > 0.0 ? value / share : value;
}

double Solver::BeforePeek(double value, const std::vector<int>& cardRanks, bool blackjack) const {
    if (m_rules.holeCard != HoleCard::DealerPeeks || blackjack) {
        return value;
    }
    Drawn drawn;
    for (const int rank : cardRanks) {
        drawn.Add(rank);
    }
    return value - DealerBlackjackChance(drawn);
}

}  // namespace game::coach
