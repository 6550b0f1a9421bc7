// A deck used up in the middle of a hand: six lost hands take the first 32 cards, so the next
// deal starts at slot 32 with 20 cards left; it splits a pair of 8s three times and the four
// hands take five cards each, one more than the deck holds. The cards not on the table are then
// shuffled into a fresh deck, with the shuffle sound, and the hand goes on; no card on the table
// comes out again. Also the stacked deck written as text, as the windowed game takes it.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/cards/Cards.h"
#include "game/cards/Deck.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"
#include "tests/game/cards/HandScenario.h"

namespace game::test {
namespace {

using Cards = std::vector<int>;

// Six lost hands take slots 0 to 31 (the player's two cards, the dealer's two, then the hits that
// go over 21); the split deal has slots 32 to 51: the 8s of spades and diamonds against the
// dealer's two cards, the 8s of clubs and hearts that come to hand 1 and are split off, the ace,
// 2, 3 and 4 that make hands 1 to 3 five-card hands, and two cards more.
struct RunOut {
    std::vector<Cards> lostHands;
    Cards splitDeal;
};

Cards Deck(const RunOut& runOut) {
    Cards deck;
    for (const Cards& hand : runOut.lostHands) {
        deck.insert(deck.end(), hand.begin(), hand.end());
    }
    deck.insert(deck.end(), runOut.splitDeal.begin(), runOut.splitDeal.end());
    return deck;
}

// The six lost hands, then three splits and three hits for each of hands 1 to 3; `hand4` plays
// the last hand.
std::string Script(const RunOut& runOut, const std::string& hand4) {
    std::string play;
    for (const Cards& hand : runOut.lostHands) {
        for (std::size_t hit = 4; hit < hand.size(); ++hit) {
            play += "click btnHit\n";
        }
        play += "wait 2000\nclick btnSameBet\nwait 2000\n";
    }
    for (int split = 0; split < 3; ++split) {
        play += "click btnSplit\nanswer yes\n";
    }
    for (int hand = 1; hand <= 3; ++hand) {
        play += "click btnHit\nclick btnHit\nclick btnHit\nwait 3000\n";
    }
    return HandScript(Deck(runOut), play + hand4);
}

// The dealer's King and Queen of Spades; hand 4 takes the ace and 2 of Hearts from the deck's
// last slots, and its 3 and 4 (used by the lost hands) from past them.
const RunOut kPlayerRunsOut = {
    {{10, 5, 9, 6, 11},
     {23, 18, 22, 19, 24},
     {36, 31, 35, 32, 37},
     {49, 44, 48, 45, 50},
     {7, 25, 20, 26, 42, 38},
     {33, 39, 46, 51, 43, 52}},
    {8, 13, 21, 12, 34, 47, 1, 2, 3, 4, 14, 15, 16, 17, 27, 28, 29, 30, 40, 41}};
// Hits for hand 4: the second needs the fresh deck (and pauses for the shuffle), the third is
// given after the pause.
const std::string kHand4Hits = "click btnHit\nclick btnHit\nwait 2000\nclick btnHit\nwait 3000\n";

// The dealer's 5s; hand 4 stands on the 8 and 10 of Hearts, and the dealer draws the 2 of
// Hearts from the last slot, then a card from past it.
const RunOut kDealerRunsOut = {
    {{10, 6, 9, 7, 11},
     {23, 19, 22, 20, 24},
     {36, 31, 35, 32, 37},
     {48, 44, 50, 45, 51},
     {25, 33, 42, 46, 43, 26},
     {12, 39, 13, 52, 40, 38}},
    {8, 5, 21, 18, 34, 47, 1, 2, 3, 4, 14, 15, 16, 17, 27, 28, 29, 30, 49, 41}};

std::vector<std::string> CardsOnTable(const GameState& state) {
    std::vector<std::string> cards;
    for (int slot = 1; slot <= state.DealerCardCount; ++slot) {
        cards.emplace_back(TrimSpaces(state.DealerCardNames[slot].Text()));
    }
    for (int hand = 1; hand <= 4; ++hand) {
        const SplitHand& split = state.SplitHands[hand];
        for (int slot = 1; slot <= split.CardCount; ++slot) {
            cards.emplace_back(TrimSpaces(split.CardNames[slot]));
        }
    }
    return cards;
}

TEST(DeckRunOut, TheCardsNotOnTheTableMakeAFreshDeckAndTheHandGoesOn) {
    Scenario scenario;
    // The fresh deck is stacked: the 3 and 4 of Hearts first.
    ASSERT_EQ(RunGame(scenario, Script(kPlayerRunsOut, "deck 42 43\n" + kHand4Hits)), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"(" you drew the 2 of Hearts")",
                R"(" you drew the 4 of Hearts")"),
        (Lines{
            R"({"t":39000,"ev":"speak","reader":"JFW","text":" you drew the 2 of Hearts"})",
            R"({"t":39000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":39000,"ev":"sound","file":"\\hit.wav"})",
            R"({"t":39000,"ev":"sound","file":"\\shuffle.wav"})",
            R"({"t":40500,"ev":"text","control":"txtPlayer","value":"\r\n8 of Hearts              \r\nAce of Hearts\r\n2 of Hearts\r\n3 of Hearts\r\n"})",
            R"({"t":40500,"ev":"speak","reader":"JFW","text":" you drew the 3 of Hearts"})",
            // Hand 4 got the focus before these hits; its cards are read once the pause is over.
            R"({"t":40500,"ev":"speak","reader":"JFW","text":"Your cards "})",
            R"({"t":40500,"ev":"speak","reader":"JFW","text":"8 of Hearts              "})",
            R"({"t":40500,"ev":"speak","reader":"JFW","text":"Ace of Hearts            "})",
            R"({"t":40500,"ev":"speak","reader":"JFW","text":"2 of Hearts              "})",
            R"({"t":40500,"ev":"speak","reader":"JFW","text":"3 of Hearts              "})",
            R"({"t":41000,"ev":"stopspeech","reader":"JFW"})",
            R"({"t":41000,"ev":"sound","file":"\\hit.wav"})",
            R"({"t":41000,"ev":"text","control":"txtPlayer","value":"\r\n8 of Hearts              \r\nAce of Hearts\r\n2 of Hearts\r\n3 of Hearts\r\n4 of Hearts\r\n"})",
        }));
    const GameState& state = scenario.LastGame().state;
    // The 20 cards on the table keep the first slots; the two dealt since come after them.
    const std::vector<std::string> onTable = CardsOnTable(state);
    EXPECT_EQ(onTable.size(), 22u);
    EXPECT_EQ(std::set<std::string>(onTable.begin(), onTable.end()).size(), 22u);
    std::set<std::string> firstSlots;
    for (int slot = 0; slot < 20; ++slot) {
        firstSlots.insert(GetCardString(state.Deck[slot]));
    }
    std::set<std::string> dealtBefore(onTable.begin(), onTable.end());
    dealtBefore.erase("3 of Hearts");
    dealtBefore.erase("4 of Hearts");
    EXPECT_EQ(firstSlots, dealtBefore);
    EXPECT_EQ(state.Deck[20], 42);
    EXPECT_EQ(state.Deck[21], 43);
    EXPECT_EQ(state.DealPosition, 22);
    // Six hands lost $600; the split took the other $400, and four five-card hands won $800.
    EXPECT_EQ(state.Stakes, 800);
    EXPECT_FALSE(state.GameInProgress);
    for (int hand = 1; hand <= 4; ++hand) {
        EXPECT_EQ(state.SplitHands[hand].Outcome, 1) << hand;
    }
}

TEST(DeckRunOut, AShuffledFreshDeckNeverDealsACardThatIsOnTheTable) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Scenario scenario;
        ASSERT_EQ(RunGame(scenario, "seed " + std::to_string(seed) + "\n" +
                                        Script(kPlayerRunsOut, kHand4Hits)),
                  0);
        const std::vector<std::string> onTable = CardsOnTable(scenario.LastGame().state);
        EXPECT_GE(onTable.size(), 21u);
        EXPECT_EQ(std::set<std::string>(onTable.begin(), onTable.end()).size(), onTable.size());
        EXPECT_EQ(scenario.Events("error"), Lines{});
    }
}

TEST(DeckRunOut, TheDealerDrawsOnFromAFreshDeck) {
    Scenario scenario;
    ASSERT_EQ(RunGame(scenario, Script(kDealerRunsOut, "deck 13\nclick btnStay\nwait 20000\n")), 0);
    EXPECT_EQ(
        Between(scenario.Lines(), R"("The dealer drew the 2 of Hearts)", R"("ev":"timer")"),
        (Lines{
            R"({"t":43000,"ev":"speak","reader":"JFW","text":"The dealer drew the 2 of Hearts              "})",
            R"({"t":44500,"ev":"speak","reader":"JFW","text":"The dealer hits.  "})",
            R"({"t":45500,"ev":"sound","file":"\\hit.wav"})",
            R"({"t":45500,"ev":"sound","file":"\\shuffle.wav"})",
            R"({"t":47000,"ev":"text","control":"txtDealer","value":"\r\n face down \r\n5 of Diamonds\r\n2 of Hearts\r\nKing of Spades\r\n"})",
            R"({"t":47000,"ev":"speak","reader":"JFW","text":"The dealer drew the King of Spades           "})",
        }));
    const GameState& state = scenario.LastGame().state;
    const std::vector<std::string> onTable = CardsOnTable(state);
    EXPECT_EQ(std::set<std::string>(onTable.begin(), onTable.end()).size(), onTable.size());
    // Three five-card hands and hand 4, paid by the dealer's bust, win $800.
    EXPECT_EQ(state.DealerTotal, 22);
    EXPECT_EQ(state.Stakes, 800);
    EXPECT_EQ(state.SplitHands[4].ResultText.substr(0, 56),
              "The King of Spades            put the dealer over 21. \r\n");
}

// The windowed game's VENTRA_DECK: card numbers separated by spaces, each from 1 to 52, once.
TEST(StackedDeckText, GivesTheCardsInOrderAndRefusesAnythingElse) {
    EXPECT_EQ(ParseStackedDeck("8 23  21 34"), (std::vector<std::int16_t>{8, 23, 21, 34}));
    EXPECT_EQ(ParseStackedDeck(""), std::vector<std::int16_t>{});
    for (const char* bad : {"8 8", "0", "53", "8,23", "ace", "-1", "7x"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(ParseStackedDeck(bad), std::invalid_argument);
    }
}

}  // namespace
}  // namespace game::test
