// The deal: the shuffle that comes first when due, the order of the four cards, the text boxes,
// the reading keys' operations and the blackjack tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cards/BlackJack.h"
#include "game/cards/Cards.h"
#include "game/cards/Deal.h"
#include "game/cards/HandDisplay.h"
#include "game/shell/Game.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

// Bets $100 of $1000 at 2000 ms, so the first deal (and its shuffle) starts then.
const std::string kBet100 = "click btnStakesOK\nclick btnBetOK\n";

TEST(Deal, TheFirstDealShufflesPausesAndDealsPlayerDealerPlayerDealer) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({1, 2, 3, 4}) + kBet100 + "wait 3000\n"), 0);
    const Lines expected = {
        R"({"t":2000,"ev":"visible","control":"frameBet","value":false})",
        R"({"t":2000,"ev":"caption","control":"lblStakes","value":"Stakes=$900"})",
        R"({"t":2000,"ev":"caption","control":"lblBet","value":"Bet=$100"})",
        R"({"t":2000,"ev":"sound","file":"\\shuffle.wav"})",
        R"({"t":3500,"ev":"visible","control":"frameGameScreen","value":true})",
        R"({"t":3500,"ev":"text","control":"txtPlayer","value":"\r\n"})",
        R"({"t":3500,"ev":"text","control":"txtDealer","value":"\r\n"})",
        R"({"t":3500,"ev":"text","control":"txtPlayer","value":"\r\nAce of Spades\r\n"})",
        R"({"t":3500,"ev":"speak","reader":"JFW","text":" you drew the Ace of Spades"})",
        R"({"t":3500,"ev":"text","control":"txtDealer","value":"\r\n face down \r\n"})",
        R"({"t":3500,"ev":"text","control":"txtPlayer","value":"\r\nAce of Spades\r\n3 of Spades\r\n"})",
        R"({"t":3500,"ev":"speak","reader":"JFW","text":" you drew the 3 of Spades"})",
        R"({"t":3500,"ev":"text","control":"txtDealer","value":"\r\n face down \r\n4 of Spades\r\n"})",
        R"({"t":3500,"ev":"focus","control":"txtPlayer"})",
        R"({"t":3500,"ev":"stopspeech","reader":"JFW"})",
        // The focus event of the player's cards, in the deal's last pause.
        R"({"t":3500,"ev":"stopspeech","reader":"JFW"})",
        R"({"t":3500,"ev":"speak","reader":"JFW","text":" your cards "})",
        R"({"t":4500,"ev":"speak","reader":"JFW","text":"Your cards "})",
        R"({"t":4500,"ev":"speak","reader":"JFW","text":"Ace of Spades            "})",
        R"({"t":4500,"ev":"speak","reader":"JFW","text":"3 of Spades              "})",
    };
    EXPECT_EQ(Between(scenario.Lines(), R"("control":"frameBet","value":false)"), expected);
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.DealPosition, 4);
    EXPECT_TRUE(state.GameInProgress);
    EXPECT_FALSE(scenario.LastGame().GameScreen.ShuffleNeeded);
    EXPECT_EQ(state.PlayerCardCount, 2);
    EXPECT_EQ(state.PlayerTotal, 14);
    EXPECT_EQ(state.DealerCardNames[1].Text(), "2 of Spades              ");
    EXPECT_EQ(state.DealerTotal, 6);
}

// Deals one hand straight away from a deck holding 1 to 52 in order, with `position` as the next
// slot and no shuffle due; `then` runs after the deal.
void DealFrom(Scenario& scenario, int position, const std::function<void(Game&)>& then = {}) {
    ASSERT_EQ(RunGame(scenario, "setting Ventrelle StartUp Reader \"JFW\"\nstart\n",
                      [&](Game& game) {
                          game.GameScreen.tmrBeginGame.SetEnabled(false);
                          game.shuffle.seed = 3;
                          for (int slot = 0; slot < 52; ++slot) {
                              game.state.Deck[slot] = slot + 1;
                          }
                          game.state.Stakes = 900;
                          game.state.Bet = 100;
                          game.state.DealPosition = position;
                          DealCards(game);
                          if (then) {
                              then(game);
                          }
                      }),
              0);
}

TEST(Deal, AtSlot32TheDeckIsNotShuffled) {
    Scenario scenario;
    DealFrom(scenario, 32);
    EXPECT_TRUE(scenario.Events("sound").empty());
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.PlayerCardNames[1].Text(), "7 of Clubs               ");  // card 33 in slot 32
    EXPECT_EQ(state.DealerCardNames[2].Text(), "10 of Clubs              ");
    EXPECT_EQ(state.DealPosition, 36);
}

TEST(Deal, AtSlot33TheDeckIsShuffledBeforeAnyCard) {
    Scenario scenario;
    DealFrom(scenario, 33);
    const Lines& lines = scenario.Lines();
    const std::size_t sound = IndexOf(lines, R"("ev":"sound","file":"\\shuffle.wav")");
    ASSERT_LT(sound, lines.size());
    EXPECT_LT(sound, IndexOf(lines, R"("control":"txtPlayer")"));
    const GameState& state = scenario.LastGame().state;
    EXPECT_EQ(state.DealPosition, 4);
    EXPECT_EQ(state.PlayerCardNames[1].Text(), CardName(GetCardString(state.Deck[0])).Text());
    EXPECT_EQ(state.DealerCardNames[1].Text(), CardName(GetCardString(state.Deck[1])).Text());
    EXPECT_EQ(state.PlayerCardNames[2].Text(), CardName(GetCardString(state.Deck[2])).Text());
    EXPECT_EQ(state.DealerCardNames[2].Text(), CardName(GetCardString(state.Deck[3])).Text());
    bool inOrder = true;
    for (int slot = 0; slot < 52; ++slot) {
        inOrder = inOrder && state.Deck[slot] == slot + 1;
    }
    EXPECT_FALSE(inOrder);
}

TEST(Deal, ReadingTheCardsSpeaksThePlayersAndOnlyTheDealersFaceUpCards) {
    Scenario scenario;
    DealFrom(scenario, 0, [](Game& game) {
        game.backend.Report("read", {});
        ReadPlayerCards(game);
        ReadDealerCards(game);
    });
    EXPECT_EQ(Between(scenario.Lines(), R"("ev":"read")"),
              (Lines{
                  R"({"t":1000,"ev":"read"})",
                  R"({"t":1000,"ev":"speak","reader":"JFW","text":"Your cards "})",
                  R"({"t":1000,"ev":"speak","reader":"JFW","text":"Ace of Spades            "})",
                  R"({"t":1000,"ev":"speak","reader":"JFW","text":"3 of Spades              "})",
                  R"({"t":1000,"ev":"speak","reader":"JFW","text":"Dealer's card"})",
                  R"({"t":1000,"ev":"speak","reader":"JFW","text":"4 of Spades              "})",
              }));
}

TEST(Deal, OutsideAHandTheCardsCannotBeRead) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}),
                      [](Game& game) {
                          ReadPlayerCards(game);
                          ReadDealerCards(game);
                      }),
              0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"("ev":"speak")", R"("ev":"stopspeech")"),
        (Lines{
            R"({"t":0,"ev":"speak","reader":"JFW","text":"Can't read player cards.  No game in progress."})",
            R"({"t":0,"ev":"speak","reader":"JFW","text":"Can't read dealer cards.  No game in progress."})",
        }));
}

TEST(Deal, ABlackJackIsTwoCardsTotalling21) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, StartScript({}),
                      [](Game& game) {
                          GameState& state = game.state;
                          state.PlayerTotal = 21;
                          state.PlayerCardCount = 2;
                          state.DealerTotal = 21;
                          state.DealerCardCount = 2;
                          EXPECT_TRUE(PlayerBlackJack(game));
                          EXPECT_TRUE(DealerBlackJack(game));
                          state.PlayerCardCount = 3;
                          state.DealerCardCount = 3;
                          EXPECT_FALSE(PlayerBlackJack(game));
                          EXPECT_FALSE(DealerBlackJack(game));
                          state.PlayerCardCount = 2;
                          state.PlayerTotal = 20;
                          state.DealerCardCount = 2;
                          state.DealerTotal = 12;
                          EXPECT_FALSE(PlayerBlackJack(game));
                          EXPECT_FALSE(DealerBlackJack(game));
                      }),
              0);
}

}  // namespace
}  // namespace game::test
