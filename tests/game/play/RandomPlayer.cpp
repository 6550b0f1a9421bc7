#include "tests/game/play/RandomPlayer.h"

#include <optional>
#include <random>
#include <string>

#include "game/shell/StartUp.h"
#include "tests/game/cards/HandScenario.h"
#include "tests/game/shell/LiveGame.h"

namespace game::test {

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct CardCount {
    int total = 0;
    bool blackJack = false;
};

// The best blackjack total of the named cards, worked out from the names alone.
CardCount Count(const CheckedArray<CardName, 21>& names, int count) {
    int total = 0;
    int aces = 0;
    for (int slot = 1; slot <= count; ++slot) {
        const std::string& name = names[slot].Text();
        const std::string rank = name.substr(0, name.find(" of "));
        if (rank == "Ace") {
            ++aces;
            total += 1;
        } else if (rank == "Jack" || rank == "Queen" || rank == "King") {
            total += 10;
        } else {
            total += std::stoi(rank);
        }
    }
    if (aces > 0 && total + 10 <= 21) {
        total += 10;
    }
    return {total, count == 2 && total == 21};
}

class RandomPlayer {
public:
    RandomPlayer(Scenario& scenario, const RandomPlayOptions& options)
        : m_options(options),
          m_random(options.seed),
          m_game(
              scenario, [this] { return NextCommand(); },
              [this](const std::string& line) { OnTrace(line); }) {}

    RandomPlayResult Play() {
        m_result.status = m_game.Run([this] {
            Game& game = m_game.GetGame();
            game.shuffle.seed = m_options.seed;
            ProgramEntry(game);
            AttachQuietControl(game);
        });
        return m_result;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    std::optional<std::string> NextCommand() {
        if (!m_started) {
            m_started = true;
            return "setting Ventrelle StartUp Reader \"JFW\"\nstart";
        }
        if (m_ended) {
            return std::nullopt;
        }
        if (m_box) {
            return Answer();
        }
        const GameScreenForm& screen = m_game.GetGame().GameScreen;
        if (screen.frameResults.Visible()) {
            if (m_result.hands >= m_options.hands) {
                return std::nullopt;
            }
            if (m_game.GetGame().state.Stakes > 100'000'000) {
                return "menu mnuGameNew";
            }
            return Chance(0.7) ? "click btnSameBet" : "click btnNewBet";
        }
        if (screen.frameBet.Visible()) {
            return "select lstBet " + std::to_string(Pick(0, 10)) + "\nclick btnBetOK";
        }
        if (screen.frameStakes.Visible()) {
            return "select lstStakes " + std::to_string(Pick(0, 9)) + "\nclick btnStakesOK";
        }
        if (screen.frameGameScreen.Visible()) {
            return PlayCommand();
        }
        return "wait " + std::to_string(Pick(0, 1500));
    }

    std::string PlayCommand() {
        const bool pausing = m_game.GetGame().playBusy;
        if (pausing && !m_options.storms) {
            return "wait 500";
        }
        switch (Pick(0, 11)) {
            case 0:
            case 1:
            case 2:
                return "click btnHit";
            case 3:
            case 4:
            case 5:
                return "click btnStay";
            case 6:
                return "click btnDouble";
            case 7:
                return "click btnInsurance";
            case 8:
                return "click btnSplit";
            default:
                return "wait " + std::to_string(Pick(0, 3000));
        }
    }

    std::string Answer() {
        if (m_boxButtons == "ok") {
            return "answer ok";
        }
        // A broke player always plays on, so the run keeps going.
        if (m_broke || Chance(0.5)) {
            return "answer yes";
        }
        return "answer no";
    }

    void OnTrace(const std::string& line) {
        if (Contains(line, R"("ev":"msgbox")")) {
            m_box = true;
            m_boxButtons = Contains(line, R"("buttons":"ok")") ? "ok" : "yesno";
            m_broke = Contains(line, "You are broke!");
        } else if (Contains(line, R"("ev":"answer")")) {
            m_box = false;
        } else if (Contains(line, R"("control":"frameGameScreen","value":true)")) {
            StartHand();
        } else if (Contains(line, R"("ev":"timer","name":"tmr)") &&
                   Contains(line, R"("enabled":true)") && !Contains(line, "tmrBeginGame")) {
            SettleHand(line);
        } else if (Contains(line, R"("ev":"end")") || Contains(line, R"("ev":"error")")) {
            m_ended = true;
            if (Contains(line, R"("ev":"error")")) {
                m_result.faults.push_back(line);
            }
        }
    }

    void StartHand() {
        const GameState& state = m_game.GetGame().state;
        if (m_handOpen) {
            m_result.faults.push_back("hand " + std::to_string(m_result.hands) +
                                      ": dealt again before it was settled");
        }
        m_handOpen = true;
        // The bet has just been taken out; nothing else has moved yet.
        m_stakesBefore = state.Stakes + state.Bet;
    }

    void SettleHand(const std::string& timerLine) {
        const GameState& state = m_game.GetGame().state;
        ++m_result.hands;
        const std::string hand = "hand " + std::to_string(m_result.hands);
        if (!m_handOpen) {
            m_result.faults.push_back(hand + ": settled twice");
            return;
        }
        m_handOpen = false;
        const CardCount player = Count(state.PlayerCardNames, state.PlayerCardCount);
        const CardCount dealer = Count(state.DealerCardNames, state.DealerCardCount);
        const std::int64_t bet = state.Bet;
        std::int64_t payout = 0;
        std::string timer = "tmrDealerWins";
        if (player.total > 21) {
        } else if (state.PlayerCardCount == 5) {
            payout = 2 * bet;
            timer = "tmrPlayerWins";
        } else if (dealer.total > 21) {
            payout = (player.blackJack ? 3 : 2) * bet;
            timer = "tmrPlayerWins";
        } else if (player.total == dealer.total) {
            if (player.blackJack == dealer.blackJack) {
                payout = bet;
                timer = "tmrDraw";
            } else if (player.blackJack) {
                payout = 3 * bet;
                timer = "tmrPlayerWins";
            }
        } else if (player.total > dealer.total) {
            payout = (player.blackJack ? 3 : 2) * bet;
            timer = "tmrPlayerWins";
        }
        if (player.total <= 21 && state.PlayerCardCount < 5 && dealer.total < 17) {
            m_result.faults.push_back(hand + ": the dealer stopped at " +
                                      std::to_string(dealer.total));
        }
        std::int64_t insurance = 0;
        if (state.InsuranceTaken) {
            insurance = dealer.blackJack ? state.InsuranceBet.Value() : -state.InsuranceBet.Value();
        }
        const std::int64_t expected = m_stakesBefore - bet + payout + insurance;
        if (state.Stakes != expected || !Contains(timerLine, timer)) {
            m_result.faults.push_back(hand + ": stakes " + std::to_string(state.Stakes) +
                                      ", expected " + std::to_string(expected) + " (" + timer +
                                      "), player " + std::to_string(player.total) + ", dealer " +
                                      std::to_string(dealer.total) + ", bet " +
                                      std::to_string(bet) + "; " + timerLine);
        }
        if (state.Stakes < 0) {
            m_result.faults.push_back(hand + ": negative stakes");
        }
    }

    RandomPlayOptions m_options;
    std::mt19937 m_random;
    LiveGame m_game;
    RandomPlayResult m_result;

    bool m_started = false;
    bool m_ended = false;
    bool m_box = false;
    bool m_broke = false;
    std::string m_boxButtons;
    bool m_handOpen = false;
    std::int64_t m_stakesBefore = 0;
};

}  // namespace

RandomPlayResult PlayRandomGame(Scenario& scenario, const RandomPlayOptions& options) {
    return RandomPlayer(scenario, options).Play();
}

}  // namespace game::test
