// How long the coach's engine takes for a hint: Evaluate for every opening hand against every
// dealer card off a full single deck, under this game's rules and under the usual single-deck
// rules, and NextHandReturn (the bet window's hint), from a full deck and from the cards seen
// after SHUFFLES random shuffles dealt 0 to 40 cards in. Each call is timed RUNS times and its
// fastest run kept, so that other work on the machine does not count against it.
// Usage: bench_coach [RUNS] [SHUFFLES]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "game/coach/Coach.h"
#include "game/rules/HandValue.h"

namespace {

using namespace game::coach;
using namespace game::rules;
using Clock = std::chrono::steady_clock;

double FastestMs(int runs, const std::function<void()>& work) {
    double fastest = 1e30;
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point start = Clock::now();
        work();
        const std::chrono::duration<double, std::milli> took = Clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
    return fastest;
}

void EveryOpeningHand(const char* name, const Rules& rules, int runs) {
    std::vector<double> times;
    std::string slowest;
    double slowestMs = 0.0;
    for (int up = 2; up <= kAceValue; ++up) {
        for (int low = 2; low <= kAceValue; ++low) {
            for (int high = low; high <= kAceValue; ++high) {
                Situation situation;
                situation.playerCards = {low, high};
                situation.dealerUpCard = up;
                const double ms = FastestMs(runs, [&] { Evaluate(rules, situation); });
                times.push_back(ms);
                if (ms > slowestMs) {
                    slowestMs = ms;
                    slowest = std::to_string(low) + "," + std::to_string(high) + " against " +
                              std::to_string(up);
                }
            }
        }
    }
    std::sort(times.begin(), times.end());
    std::printf("Evaluate, %s: %zu hands, median %.2f ms, 90%% %.2f ms, slowest %.2f ms (%s)\n",
                name, times.size(), times[times.size() / 2], times[times.size() * 9 / 10],
                slowestMs, slowest.c_str());
}

// A single deck as the game holds it: four of each card value, sixteen tens, aces as 11.
std::vector<int> OneDeck() {
    std::vector<int> deck;
    for (int value = 2; value <= kAceValue; ++value) {
        deck.insert(deck.end(), value == 10 ? 16 : 4, value);
    }
    return deck;
}

// The bet window's hint after each of `shuffles` shuffles dealt every number of cards from 0 to
// 40 in: every card dealt has been seen (the dealer's face-down card is turned at the end of each
// hand). The shuffles come from a fixed seed, so runs compare.
void SeenSets(const Rules& rules, int runs, int shuffles) {
    constexpr int kMostDealt = 40;
    std::mt19937 random(20261207);
    std::vector<double> times;
    double slowestMs = 0.0;
    int slowestDealt = 0;
    for (int shuffle = 0; shuffle < shuffles; ++shuffle) {
        std::vector<int> deck = OneDeck();
        std::shuffle(deck.begin(), deck.end(), random);
        for (int dealt = 0; dealt <= kMostDealt; ++dealt) {
            const std::vector<int> seen(deck.begin(), deck.begin() + dealt);
            const double ms = FastestMs(runs, [&] { NextHandReturn(rules, seen, dealt); });
            times.push_back(ms);
            if (ms > slowestMs) {
                slowestMs = ms;
                slowestDealt = dealt;
            }
        }
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "NextHandReturn, this game's rules, %zu seen sets: median %.1f ms, 90%% %.1f ms, slowest "
        "%.1f ms (%d cards seen)\n",
        times.size(), times[times.size() / 2], times[times.size() * 9 / 10], slowestMs,
        slowestDealt);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int shuffles = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const Rules game;
    const Rules standard = UsualTable(1);
    EveryOpeningHand("this game's rules", game, runs);
    EveryOpeningHand("usual single-deck rules", standard, runs);
    const std::vector<int> halfway = {10, 10, 10,        10, 9,  8, 7, 7, 6, 5, 5,  4, 3,
                                      3,  2,  kAceValue, 10, 10, 9, 6, 4, 2, 8, 10, 5};
    double value = 0.0;
    const double fresh = FastestMs(runs, [&] { value = NextHandReturn(game, {}, 0); });
    std::printf("NextHandReturn, this game's rules, full deck: %.1f ms (%+.4f a dollar)\n", fresh,
                value);
    const double later =
        FastestMs(runs, [&] { value = NextHandReturn(game, halfway, int(halfway.size())); });
    std::printf("NextHandReturn, this game's rules, 25 cards seen: %.1f ms (%+.4f a dollar)\n",
                later, value);
    const double usual = FastestMs(runs, [&] { value = NextHandReturn(standard, {}, 0); });
    std::printf("NextHandReturn, usual single-deck rules, full deck: %.1f ms (%+.4f a dollar)\n",
                usual, value);
    SeenSets(game, runs, shuffles);
    return 0;
}
