// The keys of the player's cards: the map of each reader, the map switched with the reader, the
// keys taken from the text box and those left to it, the stakes announcement, and help spoken in
// the middle of the dealer's turn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/access/KeyMaps.h"
#include "game/access/PlayerKeys.h"
#include "game/shell/BetWindow.h"
#include "game/shell/Game.h"
#include "tests/game/access/KeysScenario.h"

namespace game::test {
namespace {

TEST(PlayerKeys, F2SpeaksTheJawsHelpAfterOneStop) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "key F2\n")), 0);
    Lines expected{R"({"t":6000,"ev":"stopspeech","reader":"JFW"})"};
    for (const std::string_view sentence : kJawsPlayerHelp) {
        expected.push_back(SpeakLine(6000, "JFW", sentence));
    }
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":6000,)"), expected);
    EXPECT_EQ(
        expected[10],
        R"({"t":6000,"ev":"speak","reader":"JFW","text":"Press the end key to read the dealers card.  Remember that the dealer has one card showing and the other card face down, so only one card is visible. "})");
}

TEST(PlayerKeys, F2SpeaksTheLetterHelpUnderWindowEyes) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("WE", kStandingHand, "key F2\n")), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"({"t":6000,)"),
        (Lines{
            R"({"t":6000,"ev":"stopspeech","reader":"WE"})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"This is the player text box which contains your cards. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Use the up and down arrow keys to read your cards one at a time. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter g, as in go to hit, or receive another card. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter s, as in stay, to stay, meaning you will keep the cards you currently have. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter d, as in down, to double down. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter A, as in apple, to split pairs. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter f, as in frank, to make an insurance bet. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press F3 or the space bar for current stakes amount. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter r, as in read, to read all of your cards. "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Press the letter e, as in echo, to read the dealers card.  Remember that the dealer has one card showing and the other card face down, so only one card is visible. "})",
        }));
}

// The hit of kStandingHand: the hit sound and the ace of spades.
Lines HitLines(const std::string& reader) {
    return {
        R"({"t":6000,"ev":"stopspeech","reader":")" + reader + R"("})",
        R"({"t":6000,"ev":"sound","file":"\\hit.wav"})",
        R"({"t":6000,"ev":"text","control":"txtPlayer","value":"\r\n10 of Spades\r\n8 of Spades\r\nAce of Spades\r\n"})",
        SpeakLine(6000, reader, " you drew the Ace of Spades"),
    };
}

TEST(PlayerKeys, WithJawsPageUpHitsAndTheLetterGDoesNot) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "key G\nkey PageUp\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":6000,)"), HitLines("JFW"));
}

TEST(PlayerKeys, WithWindowEyesGHitsAndPageUpDoesNot) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("WE", kStandingHand, "key PageUp\nkey g\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":6000,)"), HitLines("WE"));
}

TEST(PlayerKeys, ShiftCtrlAndAltAreNotLookedAt) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "key Shift+PageUp\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":6000,)"), HitLines("JFW"));

    // Alt+G is the Game menu's: under Window-Eyes it opens the menu and does not hit; Alt+S
    // names nothing of the window and stays.
    ASSERT_EQ(RunGame(scenario, KeysScript("WE", kStandingHand, "key Alt+G\nkey Alt+S\n")), 0);
    const Lines play = Between(scenario.Lines(), R"({"t":6000,)");
    ASSERT_GE(play.size(), 2u);
    EXPECT_EQ(play[1], R"({"t":6000,"ev":"speak","reader":"WE","text":"The player stays. "})");
    EXPECT_EQ(IndexOf(play, "hit.wav"), play.size());
}

TEST(PlayerKeys, InsuranceDoubleDownAndSplitKeysPressTheirButtons) {
    // A pair of 8s against the dealer's 8: insurance is refused, the two questions are declined.
    const std::vector<int> eights = {8, 23, 21, 34};
    const std::string answers = "answer ok\nanswer no\nanswer no\n";
    for (const auto& [reader, keys] :
         {std::pair<std::string, std::string>{"JFW", "key Delete Left Right\n"},
          {"WE", "key f d a\n"}}) {
        SCOPED_TRACE(reader);
        Scenario scenario;
        ASSERT_EQ(RunGame(scenario, KeysScript(reader, eights, answers + keys)), 0);
        Lines titles;
        for (const std::string& box : scenario.Events("msgbox")) {
            titles.push_back(box.substr(0, box.find(R"(,"text")")));
        }
        EXPECT_EQ(titles, (Lines{
                              R"({"t":6000,"ev":"msgbox","title":"Insurance")",
                              R"({"t":6000,"ev":"msgbox","title":"Double Down ")",
                              R"({"t":6000,"ev":"msgbox","title":"Split Pairs")",
                          }));
    }
}

TEST(PlayerKeys, ChangingTheReaderMidHandSwitchesTheMapAtTheNextKey) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand,
                                           "menu mnuGameReader\nkey Down Enter\n"
                                           "key PageUp\nkey Home\nkey R\n")),
              0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"("ev":"form","name":"frmReader","state":"closed")"),
        (Lines{
            R"({"t":6000,"ev":"form","name":"frmReader","state":"closed"})",
            R"({"t":6000,"ev":"setting","app":"Ventrelle","section":"StartUp","key":"Reader","value":"WE"})",
            // Page Up and Home are no keys of the letter map; R reads the cards.
            R"({"t":6000,"ev":"stopspeech","reader":"WE"})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Your cards "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"10 of Spades             "})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"8 of Spades              "})",
        }));
}

TEST(PlayerKeys, ReadingKeysStopTheSpeechAndReadEachHand) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand, "key End\n")), 0);
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":6000,)"),
              (Lines{
                  R"({"t":6000,"ev":"stopspeech","reader":"JFW"})",
                  R"({"t":6000,"ev":"speak","reader":"JFW","text":"Dealer's card"})",
                  R"({"t":6000,"ev":"speak","reader":"JFW","text":"King of Diamonds         "})",
              }));
}

TEST(PlayerKeys, StakesWithABetOnTheTableNameTheBetLabel) {
    Scenario scenario;
    // The stakes frame skipped: $2100, of which the $100 bet leaves $2000.
    ASSERT_EQ(RunGame(scenario,
                      "setting Ventrelle StartUp Reader \"JFW\"\ndeck 10 23 8 26\nstart\n"
                      "click btnBetOK\nwait 4000\nkey F3\nkey Enter\n",
                      [](Game& game) {
                          game.GameScreen.tmrBeginGame.SetEnabled(false);
                          game.GameScreen.ShuffleNeeded = true;
                          game.state.Stakes = 2100;
                          LoadBetWindow(game);
                      }),
              0);
    const Lines announcement{
        R"({"t":4000,"ev":"stopspeech","reader":"JFW"})",
        R"({"t":4000,"ev":"speak","reader":"JFW","text":"Stakes = $2000"})",
        R"({"t":4000,"ev":"speak","reader":"JFW","text":"Current Bet=$100"})",
    };
    EXPECT_EQ(Between(scenario.Lines(), R"({"t":4000,)"), Concat(announcement, announcement));
}

TEST(PlayerKeys, StakesWithNoBetOnTheTableAreOneSentence) {
    Scenario scenario;
    // The hit busts: the bet label goes, and the cards stay on the table until the results open.
    ASSERT_EQ(RunGame(scenario, KeysScript("WE", kBustingHand, "key g\nkey F3 Space\n")), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"("name":"tmrDealerWins","enabled":true)", R"({"t":6100,)"),
        (Lines{
            R"({"t":6000,"ev":"timer","name":"tmrDealerWins","enabled":true})",
            R"({"t":6000,"ev":"stopspeech","reader":"WE"})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Stakes = $900"})",
            R"({"t":6000,"ev":"stopspeech","reader":"WE"})",
            R"({"t":6000,"ev":"speak","reader":"WE","text":"Stakes = $900"})",
        }));
}

TEST(PlayerKeys, HelpDuringTheDealersTurnIsSpokenAndTheTurnGoesOn) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, KeysScript("JFW", kStandingHand,
                                           "key PageDown\nwait 500\nkey F2\nwait 6000\n")),
              0);
    const Lines& lines = scenario.Lines();
    const std::size_t stays = IndexOf(lines, R"("text":"The player stays. ")");
    const std::size_t help = IndexOf(lines, R"("text":"This is the player text box)");
    const std::size_t dealer = IndexOf(lines, R"("text":"The dealer has a 10 of Diamonds)");
    const std::size_t results = IndexOf(lines, R"("control":"frameResults","value":true)");
    ASSERT_LT(results, lines.size());
    EXPECT_LT(stays, help);
    EXPECT_LT(help, dealer);
    EXPECT_LT(dealer, results);
    EXPECT_EQ(lines[help - 1], R"({"t":6500,"ev":"stopspeech","reader":"JFW"})");
    EXPECT_FALSE(scenario.LastGame().state.GameInProgress);
}

// Every key of the map in force but F2 is taken from the text box; all others are left to it.
void ExpectTakenKeys(const std::string& reader, const KeyMap& inForce, const KeyMap& other) {
    Scenario scenario;
    std::vector<std::pair<int, int>> seen;
    ASSERT_EQ(scenario.Run(
                  "start\n",
                  [&](Game& game) {
                      game.state.ScreenReader = reader;
                      std::vector<int> codes{ui::vk::Up, ui::vk::Down, ui::vk::Tab, LetterKey('Q')};
                      for (const KeyMap* map : {&inForce, &other}) {
                          for (const KeyBinding& key : map->keys) {
                              codes.push_back(key.keyCode);
                          }
                      }
                      for (const int code : codes) {
                          int keyCode = code;
                          txtPlayer_KeyDown(game, keyCode);
                          seen.emplace_back(code, keyCode);
                      }
                  }),
              0);
    for (const auto& [pressed, left] : seen) {
        const KeyBinding* key = FindKey(inForce, pressed);
        const bool taken = key != nullptr && key->action != TableAction::Help;
        EXPECT_EQ(left, taken ? ui::vk::None : pressed) << reader << " key " << pressed;
    }
}

TEST(PlayerKeys, TheMapInForceTakesItsKeysButF2AndNeverUpOrDown) {
    ExpectTakenKeys("JFW", kJawsKeyMap, kLetterKeyMap);
    // Any choice but JAWS For Windows (here one that speaks nowhere) plays with letters.
    ExpectTakenKeys("xyz", kLetterKeyMap, kJawsKeyMap);
    ExpectTakenKeys(" JFW ", kJawsKeyMap, kLetterKeyMap);
}

}  // namespace
}  // namespace game::test
