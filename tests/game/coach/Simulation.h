// Plays hands out many times, card by card, through the rule functions: the unseen cards are
// shuffled afresh for every hand and dealt in the table's order (the dealer's face-down card
// before the player's draws), the player plays as the engine advises, the dealer draws by its
// rule, and each hand is settled by the settlement rows. A brute-force check of the engine.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <tuple>
#include <vector>

#include "game/coach/Coach.h"
#include "game/coach/Solver.h"

namespace game::coach::test {

struct Trial {
    double mean = 0.0;
    double standardError = 0.0;
};

class Simulation {
public:
    // Tables without a peek only, as this game's: the face-down card is simply dealt first.
    Simulation(const rules::Rules& rules, std::uint64_t seed);

    // The average result per unit bet of `first` from `situation`, then the engine's advice.
    Trial Play(const Situation& situation, coach::Play first, int hands);

    // The average result of the insurance bet (half the bet) alone.
    Trial Insurance(const Situation& situation, int hands);

    // The average result of whole hands dealt after `seenCards`, each played as the engine
    // advises for its opening cards, insurance taken when the engine values it above nothing.
    Trial NextHand(const std::vector<int>& seenCards, int hands);

private:
    struct Hand {
        PlayerHand hand;
        Drawn drawn;  // the cards the engine's advice for this hand counts as gone
        double stake = 1.0;
        bool settled = false;
        double result = 0.0;
    };
    // One hand to play: the engine's solver for its dealer card, and the cards.
    struct Deal {
        Solver* solver;
        std::vector<int> handRanks;
        int upRank;
        int splitsMade;
    };

    void Shuffle();
    int Draw();
    void Take(Hand& hand, int rank);
    void PlayOn(Solver& solver, Hand& hand);
    std::vector<Hand> Split(const Deal& deal);
    double PlayOut(const Deal& deal, coach::Play first, int hole);
    double Settle(const Deal& deal, std::vector<Hand>& hands, int hole);
    Solver& SolverFor(const std::vector<int>& seenCards, int upRank);

    rules::Rules m_rules;
    std::vector<int> m_unseen;  // ranks, the face-down card among them
    std::vector<int> m_deck;
    std::size_t m_next = 0;
    std::mt19937_64 m_random;
    std::map<int, std::unique_ptr<Solver>> m_solvers;  // by dealer card, for NextHand
    std::map<std::tuple<int, int, int>, coach::Play> m_advice;
};

}  // namespace game::coach::test
