// Keys, clicks and menu commands by the hundred thousand in the middle of the game's pauses, as a
// held key or an impatient player gives them: the run ends normally, a New Game asked for during
// a pause runs once after it, and the game plays a whole hand afterwards.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "game/shell/StartUp.h"
#include "tests/game/cards/HandScenario.h"
#include "tests/game/shell/LiveGame.h"

namespace game::test {
namespace {

// The player draws 10 and 9, the dealer 7 and 9 and then the ace: 19 beats 17.
const std::vector<int> kWinningHand = {10, 20, 9, 22};

// From the stakes frame: $1000 staked, $100 bet, the hand dealt, Stay, and the results shown.
const std::string kPlayAHand =
    "select lstStakes 0\nclick btnStakesOK\nselect lstBet 0\nclick btnBetOK\nwait 4000\n"
    "click btnStay\nwait 10000\ndump\n";

// From a hand in play: Stay, and the results shown.
const std::string kStayToResults = "click btnStay\nwait 10000\ndump\n";

const std::string kHelpHint = R"("text":"Press F2 for help. ")";

std::string Repeat(const std::string& line, int times) {
    std::string out;
    out.reserve(line.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i) {
        out += line;
    }
    return out;
}

std::size_t CountLines(const Lines& lines, const std::string& part) {
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& l) {
        return l.find(part) != std::string::npos;
    }));
}

// The last trace lines, for a failure's message.
std::string Tail(const Lines& lines) {
    std::string tail;
    for (std::size_t i = lines.size() > 25 ? lines.size() - 25 : 0; i < lines.size(); ++i) {
        tail += lines[i].substr(0, 300) + "\n";
    }
    return tail;
}

// The hand of kWinningHand was played to its end and paid: the game still works.
void ExpectTheHandWasWon(Scenario& scenario) {
    const Lines states = scenario.Events("state");
    ASSERT_FALSE(states.empty());
    EXPECT_NE(states.back().find(R"("frame":"frameResults")"), std::string::npos)
        << Tail(scenario.Lines());
    EXPECT_EQ(scenario.LastGame().state.Stakes, 1100);
    EXPECT_EQ(CountLines(scenario.Lines(), R"("name":"tmrPlayerWins","enabled":true)"), 1u);
}

TEST(NewGameStorm, AHundredThousandCtrlNInItsPauseStartOneNewGame) {
    Scenario scenario;
    const std::string storm = Repeat("key Ctrl+N\n", 100'000);
    ASSERT_EQ(RunGame(scenario, StartScript(kWinningHand) + storm + "wait 1000\n" + kPlayAHand), 0);
    EXPECT_EQ(CountLines(scenario.Lines(), kHelpHint), 1u);
    ExpectTheHandWasWon(scenario);
}

TEST(NewGameStorm, CtrlNDuringTheDealAsksOnceWhenTheDealIsOver) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript(kWinningHand) +
                                    "click btnStakesOK\nselect lstBet 0\nclick btnBetOK\n" +
                                    Repeat("key Ctrl+N\n", 3) + "answer yes\nwait 6000\n"),
              0);
    const Lines& lines = scenario.Lines();
    const Lines questions = scenario.Events("msgbox");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].find(R"("title":"New Game")"), std::string::npos);
    // Asked once the fourth card is out and the deal's last pause is over, not in its middle.
    const std::size_t asked = IndexOf(lines, R"("ev":"msgbox")");
    EXPECT_LT(IndexOf(lines, "9 of Diamonds"), asked);
    EXPECT_EQ(lines[asked].rfind(R"({"t":4500,)", 0), 0u) << lines[asked];
    EXPECT_EQ(CountLines(lines, kHelpHint), 1u);
    EXPECT_EQ(lines.back(), R"({"t":5500,"ev":"focus","control":"lstStakes"})");
}

TEST(NewGameStorm, CtrlNDuringTheDealersTurnStartsAfreshAfterItWithoutTheResults) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario,
                      HandScript(kWinningHand, "click btnStay\n" + Repeat("key Ctrl+N\n", 1000) +
                                                   "wait 10000\ndump\n")),
              0);
    const Lines& lines = scenario.Lines();
    // The hand is settled first, then the new game begins; its results window never opens.
    EXPECT_EQ(scenario.LastGame().state.Stakes, 1100);
    EXPECT_LT(IndexOf(lines, R"("name":"tmrPlayerWins","enabled":true)"),
              IndexOf(lines, kHelpHint));
    EXPECT_EQ(CountLines(lines, R"("control":"frameResults","value":true)"), 0u);
    EXPECT_EQ(CountLines(lines, kHelpHint), 1u);
    EXPECT_NE(scenario.Events("state").back().find(R"("frame":"frameStakes")"), std::string::npos);
}

TEST(NewGameStorm, CtrlNDuringASplitsDealerTurnStartsAfreshWithoutTheResults) {
    Scenario scenario;
    // Two eights split; hand 1 is 20, hand 2 is 17, the dealer plays once for both.
    const std::vector<int> eights = {8, 23, 21, 34, 2, 13, 22};
    ASSERT_EQ(
        RunGame(scenario, HandScript(eights,
                                     "click btnSplit\nanswer yes\nclick btnHit\n"
                                     "click btnStay\nwait 2000\nclick btnStay\n" +
                                         Repeat("key Ctrl+N\n", 1000) + "wait 15000\ndump\n")),
        0);
    const Lines& lines = scenario.Lines();
    EXPECT_LT(IndexOf(lines, R"("name":"tmrSplit","enabled":true)"), IndexOf(lines, kHelpHint));
    EXPECT_EQ(CountLines(lines, R"("control":"frameResults","value":true)"), 0u) << Tail(lines);
    EXPECT_EQ(CountLines(lines, kHelpHint), 1u);
    EXPECT_NE(scenario.Events("state").back().find(R"("frame":"frameStakes")"), std::string::npos);
}

// Every Tab round the table brings the focus back to the cards inside the pause that the previous
// arrival there began; nested without end, those pauses would exhaust the stack.
const std::string kTabStorm = Repeat("key Tab\n", 100'000) + "focus txtPlayer\nwait 2000\n";

// Runs `piece` in a child process whose stack may not grow past `bytes`; gives its exit status,
// or 128 + the signal that ended it.
int InChildWithStack(rlim_t bytes, const std::function<int()>& piece) {
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit stack{bytes, bytes};
        ::_exit(::setrlimit(RLIMIT_STACK, &stack) == 0 ? piece() : 125);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(FocusStorm, TabHeldRoundTheTableKeepsTheStackSmall) {
    // A few levels of pauses fit in far less than this; one level per trip round the table
    // does not.
    const int status = InChildWithStack(2 << 20, [] {
        Scenario scenario;
        return RunGame(scenario, HandScript(kWinningHand, kTabStorm + kStayToResults));
    });
    EXPECT_EQ(status, 0);
}

TEST(FocusStorm, TabHeldRoundTheTableReadsTheCardsOnceForTheLastArrival) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, HandScript(kWinningHand, kTabStorm + kStayToResults)), 0);
    // After the deal's own reading, JAWS reads the cards a second after the focus last came to
    // them, and only then.
    const Lines afterDeal = Between(scenario.Lines(), R"({"t":6000,)");
    const std::string reading = R"("text":"Your cards ")";
    const std::size_t read = IndexOf(afterDeal, reading);
    ASSERT_LT(read, afterDeal.size()) << Tail(afterDeal);
    EXPECT_EQ(afterDeal[read].rfind(R"({"t":7000,)", 0), 0u) << afterDeal[read];
    EXPECT_EQ(CountLines(afterDeal, reading), 1u);
    ExpectTheHandWasWon(scenario);
}

TEST(ExitStorm, ExitRefusedTwentyThousandTimesInsideThePauseAfterNo) {
    Scenario scenario;
    // A hand in play, so that every Exit asks; each No pauses, and the next Exit comes inside.
    // Nested, each pause deepened the stack; far fewer than these overflowed it.
    const std::string storm = Repeat("menu mnuGameExit\nanswer no\n", 20'000);
    ASSERT_EQ(
        RunGame(scenario, HandScript(kWinningHand, storm + "click btnStay\nwait 10000\ndump\n")),
        0);
    EXPECT_EQ(scenario.Events("msgbox").size(), 20'000u);
    ExpectTheHandWasWon(scenario);
}

// Gives every command there is, many of them inside the game's pauses, answers each message box
// with cancel (and the broke question with Yes, so that no question ends the game), and then
// plays one known hand to its end. Commands that end the program on purpose (Exit, closing,
// Alt+X, E&xit Game) are left out.
class StormPlayer {
public:
    StormPlayer(Scenario& scenario, std::uint32_t seed, int commands)
        : m_random(seed),
          m_commandsLeft(commands),
          m_game(
              scenario, [this] { return NextCommand(); },
              [this](const std::string& line) { OnTrace(line); }) {}

    int Play() {
        return m_game.Run([this] {
            ProgramEntry(m_game.GetGame());
            AttachQuietControl(m_game.GetGame());
        });
    }

    Game& GetGame() { return m_game.GetGame(); }
    const Lines& Errors() const { return m_errors; }
    const std::string& LastState() const { return m_lastState; }

private:
    std::optional<std::string> NextCommand() {
        if (!m_started) {
            m_started = true;
            return "setting Ventrelle StartUp Reader \"JFW\"\nseed 5\nstart\nwait 2000";
        }
        if (m_box) {
            // A broke player always plays on, so that the game never ends in the storm.
            return m_commandsLeft > 0 && !m_broke ? "answer cancel" : m_boxAnswer;
        }
        if (m_readerOpen) {
            // Enter presses OK on the reader window whatever is highlighted.
            return "key Enter";
        }
        if (m_commandsLeft > 0) {
            --m_commandsLeft;
            return StormCommand();
        }
        if (m_tail.empty() && !m_tailDone) {
            m_tailDone = true;
            // Whatever the storm left behind: let it run out, then a new game and one hand.
            m_tail = {"wait 30000",      "menu mnuGameNew",    "wait 1000",
                      "deck 10 20 9 22", "select lstStakes 0", "click btnStakesOK",
                      "select lstBet 0", "click btnBetOK",     "wait 4000",
                      "click btnStay",   "wait 10000",         "dump"};
            std::reverse(m_tail.begin(), m_tail.end());
        }
        if (m_tail.empty()) {
            return std::nullopt;
        }
        std::string next = m_tail.back();
        m_tail.pop_back();
        return next;
    }

    std::string StormCommand() {
        static const std::array<const char*, 30> kKeys = {
            "Enter",  "Space", "Tab",   "Shift+Tab", "Escape", "F1",     "F2",       "F3",
            "Delete", "Left",  "Right", "Up",        "Down",   "PageUp", "PageDown", "Home",
            "End",    "Alt+S", "Alt+N", "Ctrl+A",    "g",      "s",      "d",        "a",
            "f",      "r",     "e",     "x",         "Ctrl+Q", "Ctrl+N"};
        const int pick = Pick(0, 99);
        if (pick < 25) {
            return "key Ctrl+N";
        }
        if (pick < 30) {
            return "menu mnuGameNew";
        }
        if (pick < 31) {
            return "menu mnuGameReader";
        }
        if (pick < 61) {
            if (const std::optional<std::string> click = Click()) {
                return *click;
            }
        }
        if (pick < 91) {
            return std::string("key ") +
                   kKeys[static_cast<std::size_t>(Pick(0, static_cast<int>(kKeys.size()) - 1))];
        }
        return "wait " + std::to_string(Pick(0, 1600));
    }

    // A click on one of the main window's buttons that can be clicked now (so that hands are
    // dealt and played in the storm), E&xit Game left out.
    std::optional<std::string> Click() {
        GameScreenForm& screen = m_game.GetGame().GameScreen;
        std::vector<const ui::Control*> buttons;
        for (const ui::Control* button :
             {&screen.btnStakesOK, &screen.btnBetOK, &screen.btnHit, &screen.btnStay,
              &screen.btnDouble, &screen.btnSplit, &screen.btnInsurance, &screen.btnSameBet,
              &screen.btnNewBet}) {
            if (button->Showing() && button->Enabled()) {
                buttons.push_back(button);
            }
        }
        if (buttons.empty()) {
            return std::nullopt;
        }
        return "click " +
               buttons[static_cast<std::size_t>(Pick(0, static_cast<int>(buttons.size()) - 1))]
                   ->Name();
    }

    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    void OnTrace(const std::string& line) {
        if (line.find(R"("ev":"msgbox")") != std::string::npos) {
            m_box = true;
            m_boxAnswer =
                line.find(R"("buttons":"ok")") != std::string::npos ? "answer ok" : "answer yes";
            m_broke = line.find("You are broke!") != std::string::npos;
        } else if (line.find(R"("ev":"answer")") != std::string::npos) {
            m_box = false;
        } else if (line.find(R"("name":"frmReader","state")") != std::string::npos) {
            m_readerOpen = line.find(R"("state":"shown")") != std::string::npos;
        } else if (line.find(R"("ev":"state")") != std::string::npos) {
            m_lastState = line;
        } else if (line.find(R"("ev":"error")") != std::string::npos ||
                   line.find(R"("ev":"end")") != std::string::npos) {
            m_errors.push_back(line);
        }
    }

    std::mt19937 m_random;
    int m_commandsLeft;
    LiveGame m_game;

    bool m_started = false;
    bool m_box = false;
    bool m_broke = false;
    bool m_readerOpen = false;
    bool m_tailDone = false;
    std::string m_boxAnswer;
    std::vector<std::string> m_tail;
    Lines m_errors;
    std::string m_lastState;
};

TEST(PauseStorm, EveryKeyAndCommandInThePausesLeavesAPlayableGame) {
    for (const std::uint32_t seed : {3u, 41u}) {
        SCOPED_TRACE(seed);
        Scenario scenario;
        StormPlayer player(scenario, seed, 20'000);
        EXPECT_EQ(player.Play(), 0);
        EXPECT_TRUE(player.Errors().empty()) << player.Errors().front();
        EXPECT_NE(player.LastState().find(R"("frame":"frameResults")"), std::string::npos)
            << player.LastState();
        EXPECT_EQ(player.GetGame().state.PlayerTotal, 19);
        EXPECT_EQ(player.GetGame().state.DealerTotal, 17);
    }
}

}  // namespace
}  // namespace game::test
