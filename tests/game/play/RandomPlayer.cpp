#include "tests/game/play/RandomPlayer.h"

#include <algorithm>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <random>
#include <sstream>
#include <streambuf>

#include "game/shell/HeadlessGame.h"
#include "game/shell/StartUp.h"
#include "game/shell/Text.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {

namespace {

// An input stream whose lines are made when the script reader asks for them.
class LineSource : public std::streambuf {
public:
    explicit LineSource(std::function<std::optional<std::string>()> next)
        : m_next(std::move(next)) {}

protected:
    int_type underflow() override {
        const std::optional<std::string> line = m_next();
        if (!line) {
            return traits_type::eof();
        }
        m_buffer = *line + "\n";
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + m_buffer.size());
        return traits_type::to_int_type(m_buffer.front());
    }

private:
    std::function<std::optional<std::string>()> m_next;
    std::string m_buffer;
};

// An output stream that hands over each complete line.
class LineSink : public std::streambuf {
public:
    explicit LineSink(std::function<void(const std::string&)> onLine)
        : m_onLine(std::move(onLine)) {}

protected:
    int_type overflow(int_type c) override {
        if (c == '\n') {
            m_onLine(m_line);
            m_line.clear();
        } else if (c != traits_type::eof()) {
            m_line += static_cast<char>(c);
        }
        return c;
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        for (std::streamsize i = 0; i < count; ++i) {
            overflow(text[i]);
        }
        return count;
    }

private:
    std::function<void(const std::string&)> m_onLine;
    std::string m_line;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct CardCount {
    int total = 0;
    bool blackJack = false;
    int cards = 0;
};

// The best blackjack total of the named cards, worked out from the names alone.
CardCount Count(const std::vector<std::string>& names) {
    int total = 0;
    int aces = 0;
    for (const std::string& name : names) {
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
    const int count = static_cast<int>(names.size());
    return {total, count == 2 && total == 21, count};
}

template <class Slots>
std::vector<std::string> Names(const Slots& names, int count) {
    std::vector<std::string> out;
    for (int slot = 1; slot <= count; ++slot) {
        out.emplace_back(names[slot]);
    }
    return out;
}

CardCount Count(const CheckedArray<CardName, 21>& names, int count) {
    return Count(Names(names, count));
}

// What a hand made by splitting gives back, in bets: never a blackjack; over 21 and five cards
// were settled while it was played.
int SplitHandPayout(const CardCount& hand, const CardCount& dealer) {
    if (hand.total > 21) {
        return 0;
    }
    if (hand.cards == 5 || dealer.total > 21) {
        return 2;
    }
    if (hand.total == dealer.total) {
        return dealer.blackJack ? 0 : 1;
    }
    return hand.total > dealer.total ? 2 : 0;
}

bool Standing(const CardCount& hand) {
    return hand.total <= 21 && hand.cards < 5;
}

class RandomPlayer {
public:
    RandomPlayer(Scenario& scenario, const RandomPlayOptions& options)
        : m_options(options),
          m_random(options.seed),
          m_source([this] { return NextCommand(); }),
          m_sink([this](const std::string& line) { OnTrace(line); }),
          m_script(&m_source),
          m_trace(&m_sink),
          m_backend(m_script, m_trace, scenario.Folder()),
          m_game(m_backend, scenario.StoreFile()) {}

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
        const Game& game = m_game.GetGame();
        const bool pausing = game.playBusy;
        if (pausing && !m_options.storms) {
            return "wait 500";
        }
        const GameState& state = game.state;
        // Pairs are split often, so that splits, resplits and split aces all come up.
        if (!pausing && state.PlayerCardCount == 2 &&
            Count({state.PlayerCardNames[1]}).total == Count({state.PlayerCardNames[2]}).total &&
            Chance(0.6)) {
            return "click btnSplit";
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
            // The table also comes back for each split hand; only a deal starts a hand.
            if (!m_game.GetGame().state.SplitInProgress) {
                StartHand();
            }
        } else if (Contains(line, R"("ev":"timer","name":"tmrSplit","enabled":true)")) {
            // The side bet is settled with the results, so the money is checked when they show.
            m_splitResultsDue = CloseHand();
        } else if (Contains(line, R"("ev":"timer","name":"tmr)") &&
                   Contains(line, R"("enabled":true)") && !Contains(line, "tmrBeginGame")) {
            if (CloseHand()) {
                SettleHand(line);
            }
        } else if (Contains(line, R"("control":"frameResults","value":true)") &&
                   m_splitResultsDue) {
            m_splitResultsDue = false;
            SettleSplit();
        } else if (Contains(line, R"("ev":"end")") || Contains(line, R"("ev":"error")")) {
            m_ended = true;
            if (Contains(line, R"("ev":"error")")) {
                m_result.faults.push_back(line);
            }
        }
    }

    void Fault(const std::string& what) {
        m_result.faults.push_back("hand " + std::to_string(m_result.hands) + ": " + what);
    }

    void StartHand() {
        const GameState& state = m_game.GetGame().state;
        if (m_handOpen) {
            Fault("dealt again before it was settled");
        }
        m_handOpen = true;
        // The bet has just been taken out; nothing else has moved yet.
        m_stakesBefore = state.Stakes + state.Bet;
    }

    // Counts a settlement; false when no hand was open to settle.
    bool CloseHand() {
        ++m_result.hands;
        if (!m_handOpen) {
            Fault("settled twice");
            return false;
        }
        m_handOpen = false;
        return true;
    }

    std::int64_t InsuranceChange(const CardCount& dealer) {
        const GameState& state = m_game.GetGame().state;
        if (!state.InsuranceTaken) {
            return 0;
        }
        return dealer.blackJack ? state.InsuranceBet.Value() : -state.InsuranceBet.Value();
    }

    // No card is on the table twice.
    void CheckCardsOnce(std::vector<std::string> cards) {
        for (std::string& card : cards) {
            card = std::string(TrimSpaces(card));
        }
        std::sort(cards.begin(), cards.end());
        if (std::adjacent_find(cards.begin(), cards.end()) != cards.end()) {
            Fault("a card is on the table twice");
        }
    }

    void SettleHand(const std::string& timerLine) {
        const GameState& state = m_game.GetGame().state;
        if (state.SplitCount > 0) {
            Fault("a split deal settled as one hand; " + timerLine);
        }
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
            Fault("the dealer stopped at " + std::to_string(dealer.total));
        }
        const std::int64_t expected = m_stakesBefore - bet + payout + InsuranceChange(dealer);
        if (state.Stakes != expected || !Contains(timerLine, timer)) {
            Fault("stakes " + std::to_string(state.Stakes) + ", expected " +
                  std::to_string(expected) + " (" + timer + "), player " +
                  std::to_string(player.total) + ", dealer " + std::to_string(dealer.total) +
                  ", bet " + std::to_string(bet) + "; " + timerLine);
        }
        std::vector<std::string> cards = Names(state.DealerCardNames, state.DealerCardCount);
        for (const std::string& card : Names(state.PlayerCardNames, state.PlayerCardCount)) {
            cards.push_back(card);
        }
        CheckCardsOnce(std::move(cards));
        if (state.Stakes < 0) {
            Fault("negative stakes");
        }
    }

    // Every hand of the split carried one bet; each is paid by its own cards against the dealer's.
    void SettleSplit() {
        const GameState& state = m_game.GetGame().state;
        ++m_result.splits;
        m_result.resplits += state.SplitCount - 1;
        m_result.splitAces += state.SplitAces ? 1 : 0;
        const CardCount dealer = Count(state.DealerCardNames, state.DealerCardCount);
        const int hands = state.SplitCount + 1;
        const std::int64_t bet = state.Bet;
        std::int64_t expected = m_stakesBefore + InsuranceChange(dealer);
        bool anyStanding = false;
        std::vector<std::string> cards = Names(state.DealerCardNames, state.DealerCardCount);
        std::string totals;
        for (int slot = 1; slot <= hands; ++slot) {
            const SplitHand& split = state.SplitHands[slot];
            const std::vector<std::string> names = Names(split.CardNames, split.CardCount);
            const CardCount hand = Count(names);
            anyStanding = anyStanding || Standing(hand);
            expected += (SplitHandPayout(hand, dealer) - 1) * bet;
            cards.insert(cards.end(), names.begin(), names.end());
            totals += " " + std::to_string(hand.total) + "/" + std::to_string(hand.cards);
            if (!Contains(state.ResultsText, "Hand number  " + std::to_string(slot) + ":")) {
                Fault("no results of split hand " + std::to_string(slot));
            }
        }
        if (anyStanding ? dealer.total < 17 : state.DealerCardCount != 2) {
            Fault("the dealer played wrongly after a split, at " + std::to_string(dealer.total));
        }
        if (state.GameInProgress || state.SplitInProgress) {
            Fault("the split is still in progress at its results");
        }
        if (state.Stakes != expected) {
            Fault("split stakes " + std::to_string(state.Stakes) + ", expected " +
                  std::to_string(expected) + ", hands" + totals + ", dealer " +
                  std::to_string(dealer.total) + ", bet " + std::to_string(bet));
        }
        CheckCardsOnce(std::move(cards));
        if (state.Stakes < 0) {
            Fault("negative stakes");
        }
    }

    RandomPlayOptions m_options;
    std::mt19937 m_random;
    LineSource m_source;
    LineSink m_sink;
    std::istream m_script;
    std::ostream m_trace;
    ui::HeadlessBackend m_backend;
    HeadlessGame m_game;
    RandomPlayResult m_result;

    bool m_started = false;
    bool m_ended = false;
    bool m_box = false;
    bool m_broke = false;
    std::string m_boxButtons;
    bool m_handOpen = false;
    bool m_splitResultsDue = false;
    std::int64_t m_stakesBefore = 0;
};

}  // namespace

RandomPlayResult PlayRandomGame(Scenario& scenario, const RandomPlayOptions& options) {
    return RandomPlayer(scenario, options).Play();
}

}  // namespace game::test
