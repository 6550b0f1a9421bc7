// Plays random hands on the headless back end, with a quiet wave control (no sounds), and reports
// how many hands a second the game's logic, the UI model and the trace get through.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/game/play/RandomPlayer.h"

int main(int argc, char** argv) {
    const int hands = argc > 1 ? std::atoi(argv[1]) : 20000;
    if (hands <= 0) {
        std::cerr << "usage: bench_game_hands [HANDS]\n";
        return 2;
    }
    for (const bool storms : {false, true}) {
        game::test::Scenario scenario;
        const auto start = std::chrono::steady_clock::now();
        const game::test::RandomPlayResult result =
            game::test::PlayRandomGame(scenario, {7, hands, storms});
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (result.status != 0 || !result.faults.empty()) {
            std::cerr << "the run went wrong: status " << result.status << ", "
                      << result.faults.size() << " faults\n";
            return 1;
        }
        std::cout << (storms ? "with clicks during pauses: " : "plain play:                ")
                  << result.hands << " hands in " << elapsed.count() << " s, "
                  << static_cast<long>(result.hands / elapsed.count()) << " hands/s\n";
    }
    return 0;
}
