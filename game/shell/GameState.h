// The game's shared state: every variable the operations read and write, with its width and its
// value at program start. One instance lives in the Game for the whole run; nothing is saved.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/coach/Coach.h"
#include "game/shell/Checked.h"
#include "platform/speech/Voice.h"

namespace game {

// A card's name as the hands store it: 25 characters, filled up with trailing spaces.
using CardName = FixedText<25>;

// The deck's slots 0 to 52; slot 52 is never written and holds 0 (no card).
using DeckSlots = CheckedArray<Int16, 53>;

// One hand made by splitting a pair.
struct SplitHand {
    Int16 CardCount;
    Int16 Total;
    CheckedArray<Int16, 16> CardValues;
    CheckedArray<std::string, 16> CardNames;
    // 0 while the hand is not settled.
    Int16 Outcome;
    std::string ResultText;
};

// What the coach knows and keeps between events. The rules of play never read it, and the state
// dump leaves it out.
struct CoachMemory {
    // Every card (1 to 52) seen face up since the last shuffle, each once: the player's, the
    // dealer's face-up ones, and the face-down one once it has been told.
    std::vector<Int16> SeenCards;
    // The option "Coach warns me".
    bool Warns = false;
    // The next hand's expected return per dollar from a full deck, once worked out: it depends on
    // the rules alone.
    std::optional<double> FullDeckReturn;
    // The last other one worked out, and the cards seen (sorted values) it was worked out for:
    // it takes up to a third of a second, so F8 again in the same bet window does not redo it.
    std::vector<int> NextHandSeen;
    std::optional<double> NextHandReturn;
    // The hand last weighed and the value of each of its plays, kept for the next F8 and play.
    std::optional<coach::Situation> Weighed;
    coach::PlayValues WeighedValues;
    // F8 was the last thing done at this hand: the next F8 gives the figures of every play.
    bool FiguresNext = false;
    // The warning about the play being made, spoken just after that play's first words.
    std::string PendingWarning;
};

struct GameState {
    // Money, in whole dollars.
    Int32 Stakes;
    Int32 Bet;
    Int16 BetListIndex;
    Int32 BetBeforeDouble;
    Int32 InsuranceBet;

    // The hands: slot 0 is never used; cards fill slots 1 to the count in dealing order.
    CheckedArray<Int16, 21> PlayerCardValues;
    CheckedArray<CardName, 21> PlayerCardNames;
    Int16 PlayerCardCount;
    Int16 PlayerTotal;
    // Dealer slot 1 is the face-down card, slot 2 the face-up one.
    CheckedArray<Int16, 21> DealerCardValues;
    CheckedArray<CardName, 21> DealerCardNames;
    Int16 DealerCardCount;
    Int16 DealerTotal;

    // The deck: slots 0 to 51 hold the shuffled cards, slot 52 is never written.
    DeckSlots Deck;
    Int16 DealPosition;

    // The hand being played.
    bool GameInProgress = false;
    bool InsuranceAvailable = false;
    bool InsuranceTaken = false;
    bool DoubledDown = false;

    // Results and the next hand: 0 = same bet, 1 = new bet.
    std::string PlayerWinsText;
    std::string DealerWinsText;
    std::string DrawText;
    std::string ResultsText;
    Int16 NextHandChoice;

    // Split pairs.
    CheckedArray<SplitHand, 6> SplitHands;
    Int16 SplitHandIndex;
    bool SplitInProgress = false;
    Int16 SplitCount;
    bool SplitAces = false;

    // Speech: the reader's code as chosen or read ("JFW", "WE", "None" or anything stored), and
    // the Window-Eyes voice while that reader is (or was) chosen.
    std::string ScreenReader;
    std::unique_ptr<speech::Voice> WESpeech;

    CoachMemory Coach;
};

}  // namespace game
