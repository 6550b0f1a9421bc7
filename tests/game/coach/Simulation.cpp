#include "tests/game/coach/Simulation.h"

#include <cmath>
#include <stdexcept>

#include "game/rules/Eligibility.h"
#include "game/rules/HandValue.h"
#include "game/rules/Settlement.h"

namespace game::coach::test {

using namespace rules;

namespace {

struct Tally {
    double sum = 0.0;
    double squares = 0.0;
    int count = 0;

    void Add(double value) {
        sum += value;
        squares += value * value;
        count += 1;
    }
    Trial Result() const {
        const double mean = sum / count;
        const double variance = squares / count - mean * mean;
        return Trial{mean, std::sqrt(variance / count)};
    }
};

std::vector<int> RanksOf(const std::vector<int>& cardValues) {
    std::vector<int> ranks;
    for (const int value : cardValues) {
        ranks.push_back(RankOf(value));
    }
    return ranks;
}

std::vector<int> CardsOf(const Shoe& shoe) {
    std::vector<int> ranks;
    for (int rank = 1; rank <= kRanks; ++rank) {
        ranks.insert(ranks.end(), static_cast<std::size_t>(shoe.Count(rank)), rank);
    }
    return ranks;
}

// The cards before the player's: what the engine's solver starts from.
Shoe BeforeHand(const Rules& rules, const std::vector<int>& seenCards, int upRank) {
    Shoe shoe = Shoe::Full(rules.decks);
    shoe.Remove(seenCards);
    shoe.RemoveRank(upRank);
    return shoe;
}

// The engine's best play, by the values it works with.
coach::Play Best(const PlayOptions& options) {
    coach::Play best = coach::Play::Stay;
    double value = options.stay;
    const std::pair<std::optional<double>, coach::Play> others[] = {
        {options.hit, coach::Play::Hit},
        {options.doubleDown, coach::Play::DoubleDown},
        {options.split, coach::Play::Split}};
    for (const auto& [other, play] : others) {
        if (other && *other > value) {
            value = *other;
            best = play;
        }
    }
    return best;
}

}  // namespace

Simulation::Simulation(const Rules& rules, std::uint64_t seed) : m_rules(rules), m_random(seed) {
    if (rules.holeCard != HoleCard::NoPeek || rules.decks == Rules::kInfiniteDecks) {
        throw std::invalid_argument("the simulation deals from a finite shoe without a peek");
    }
}

void Simulation::Shuffle() {
    m_deck = m_unseen;
    m_next = 0;
}

int Simulation::Draw() {
    if (m_next == m_deck.size()) {
        throw std::logic_error("the simulation ran out of cards");
    }
    std::uniform_int_distribution<std::size_t> pick(m_next, m_deck.size() - 1);
    std::swap(m_deck[m_next], m_deck[pick(m_random)]);
    return m_deck[m_next++];
}

void Simulation::Take(Hand& hand, int rank) {
    hand.hand.value = AddCard(hand.hand.value, ValueOfRank(rank));
    hand.drawn.Add(rank);
    switch (AfterPlayerCard(hand.hand.value, m_rules)) {
        case AfterCard::Bust:
            hand.settled = true;
            hand.result = -hand.stake;
            break;
        case AfterCard::FiveCardWin:
            hand.settled = true;
            hand.result = hand.stake;
            break;
        case AfterCard::PlayOn:
            break;
    }
}

void Simulation::PlayOn(Solver& solver, Hand& hand) {
    while (!hand.settled && solver.HitIsBest(hand.hand, hand.drawn)) {
        Take(hand, Draw());
    }
}

// The hands of a split, dealt and played in the table's order: each hand's second card when its
// turn comes; a pair card while splits remain starts a new hand at the end of the queue and the
// hand takes another. Each hand is advised as the engine values it: with the pair cards of the
// hands made so far gone, the other hands' cards unseen.
std::vector<Simulation::Hand> Simulation::Split(const Deal& deal) {
    const int pair = deal.handRanks.front();
    const int firstHands = deal.splitsMade + 2;
    int mostHands = m_rules.maxSplits + 1;
    if (pair == kAce && m_rules.resplitAces == ResplitAces::NotAllowed) {
        mostHands = firstHands;
    }
    std::vector<Hand> hands(2);
    int handsMade = firstHands;
    for (std::size_t index = 0; index < hands.size(); ++index) {
        int second = Draw();
        while (second == pair && handsMade < mostHands) {
            hands.emplace_back();
            handsMade += 1;
            second = Draw();
        }
        Hand& hand = hands[index];
        for (const int rank : deal.handRanks) {
            hand.drawn.Add(rank);
        }
        for (int extra = firstHands; extra < handsMade; ++extra) {
            hand.drawn.Add(pair);
        }
        hand.hand.kind = HandKind::Split;
        hand.hand.mayHit = CheckHit(HitRequest{pair == kAce}, m_rules) == HitRefusal::None;
        hand.hand.value = AddCard(HandValue{}, ValueOfRank(pair));
        Take(hand, second);
        PlayOn(*deal.solver, hand);
    }
    return hands;
}

double Simulation::Settle(const Deal& deal, std::vector<Hand>& hands, int hole) {
    HandValue dealer = AddCard(AddCard(HandValue{}, ValueOfRank(deal.upRank)), ValueOfRank(hole));
    bool standing = false;
    for (const Hand& hand : hands) {
        standing = standing || !hand.settled;
    }
    while (standing && DealerDraws(dealer, m_rules) && m_next < m_deck.size()) {
        dealer = AddCard(dealer, ValueOfRank(Draw()));
    }
    double total = 0.0;
    for (Hand& hand : hands) {
        if (!hand.settled) {
            const Result result = hand.hand.kind == HandKind::Split
                                      ? ResultOf(SettleSplit(hand.hand.value, dealer))
                                      : ResultOf(SettleOrdinary(hand.hand.value, dealer));
            hand.result = hand.stake * NetReturn(result, m_rules);
        }
        total += hand.result;
    }
    return total;
}

double Simulation::PlayOut(const Deal& deal, coach::Play first, int hole) {
    std::vector<Hand> hands;
    if (first == coach::Play::Split) {
        hands = Split(deal);
    } else {
        Hand hand;
        for (const int rank : deal.handRanks) {
            hand.drawn.Add(rank);
            hand.hand.value = AddCard(hand.hand.value, ValueOfRank(rank));
        }
        hand.hand.kind = deal.splitsMade > 0 ? HandKind::Split : HandKind::Ordinary;
        if (first == coach::Play::DoubleDown) {
            hand.stake = 2.0;
            Take(hand, Draw());
        } else if (first == coach::Play::Hit) {
            Take(hand, Draw());
            PlayOn(*deal.solver, hand);
        }
        hands.push_back(hand);
    }
    return Settle(deal, hands, hole);
}

Trial Simulation::Play(const Situation& situation, coach::Play first, int hands) {
    const int upRank = RankOf(situation.dealerUpCard);
    Shoe unseen = BeforeHand(m_rules, situation.otherCardsSeen, upRank);
    Solver solver(m_rules, unseen, upRank);
    unseen.Remove(situation.playerCards);
    m_unseen = CardsOf(unseen);
    const Deal deal{&solver, RanksOf(situation.playerCards), upRank, situation.splitsMade};
    Tally tally;
    for (int round = 0; round < hands; ++round) {
        Shuffle();
        const int hole = Draw();
        tally.Add(PlayOut(deal, first, hole));
    }
    return tally.Result();
}

Trial Simulation::Insurance(const Situation& situation, int hands) {
    const int upRank = RankOf(situation.dealerUpCard);
    Shoe unseen = BeforeHand(m_rules, situation.otherCardsSeen, upRank);
    unseen.Remove(situation.playerCards);
    m_unseen = CardsOf(unseen);
    Tally tally;
    for (int round = 0; round < hands; ++round) {
        Shuffle();
        const HandValue dealer =
            AddCard(AddCard(HandValue{}, ValueOfRank(upRank)), ValueOfRank(Draw()));
        tally.Add(IsBlackjack(dealer, HandKind::Ordinary) ? 0.5 : -0.5);
    }
    return tally.Result();
}

Solver& Simulation::SolverFor(const std::vector<int>& seenCards, int upRank) {
    std::unique_ptr<Solver>& solver = m_solvers[upRank];
    if (!solver) {
        solver = std::make_unique<Solver>(m_rules, BeforeHand(m_rules, seenCards, upRank), upRank);
    }
    return *solver;
}

Trial Simulation::NextHand(const std::vector<int>& seenCards, int hands) {
    Shoe shoe = Shoe::Full(m_rules.decks);
    shoe.Remove(seenCards);
    m_unseen = CardsOf(shoe);
    m_solvers.clear();
    m_advice.clear();
    Tally tally;
    for (int round = 0; round < hands; ++round) {
        Shuffle();
        const int first = Draw();
        const int hole = Draw();
        const int second = Draw();
        const int up = Draw();
        Solver& solver = SolverFor(seenCards, up);
        const Deal deal{&solver, {first, second}, up, 0};
        double result = 0.0;
        if (InsuranceOffered(ValueOfRank(up), m_rules)) {
            Drawn drawn;
            drawn.Add(first);
            drawn.Add(second);
            // An even-money side bet: worth taking when a blackjack is more likely than not.
            if (solver.DealerBlackjackChance(drawn) > 0.5) {
                result += hole == kTen ? 0.5 : -0.5;
            }
        }
        const auto key = std::tuple{up, std::min(first, second), std::max(first, second)};
        auto advice = m_advice.find(key);
        if (advice == m_advice.end()) {
            advice = m_advice.emplace(key, Best(solver.Plays(deal.handRanks, 0, false))).first;
        }
        tally.Add(result + PlayOut(deal, advice->second, hole));
    }
    return tally.Result();
}

}  // namespace game::coach::test
