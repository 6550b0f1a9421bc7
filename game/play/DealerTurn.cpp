#include "game/play/DealerTurn.h"

#include <string>

#include "game/access/Speech.h"
#include "game/cards/BlackJack.h"
#include "game/cards/Cards.h"
#include "game/cards/HandDisplay.h"
#include "game/play/AceRule.h"
#include "game/play/Insurance.h"
#include "game/play/Settlement.h"
#include "game/shell/ErrorHandler.h"
#include "game/shell/Game.h"
#include "game/shell/Text.h"
#include "game/sound/Sound.h"

namespace game {

namespace {

constexpr int kDealerStands = 17;

std::string Line(std::string_view text) {
    return std::string(text).append(kLineBreak);
}

std::string Dollars(Int32 amount) {
    return "$" + std::to_string(amount);
}

// The dealer went over 21 with the card just drawn: the player wins, a blackjack twice the bet.
void SettleDealerBust(Game& game) {
    const GameState& state = game.state;
    const bool blackJack = PlayerBlackJack(game);
    std::string text = Line("The " + state.DealerCardNames[state.DealerCardCount].Text() +
                            " put the dealer over 21. ");
    if (blackJack) {
        text += Line("You have a Black Jack, so you win " + Dollars(2 * state.Bet) +
                     ", which is 2 times the amount of your bet.");
    } else {
        text += Line("You win " + Dollars(state.Bet) + ", which is the amount of your bet.");
    }
    text += Insurance(game);
    text += Line("The dealer's cards: ");
    text += CardList(state.DealerCardNames, state.DealerCardCount);
    text += Line("The dealer's total is " + std::to_string(state.DealerTotal) + "!");
    SettleHand(game, (blackJack ? 3 : 2) * state.Bet, HandResult::PlayerWins, std::move(text));
}

// Both hands' cards, for the texts of equal totals.
std::string BothHands(const GameState& state) {
    return Line("Your cards: ") + CardList(state.PlayerCardNames, state.PlayerCardCount) +
           Line("Dealer's cards: ") + CardList(state.DealerCardNames, state.DealerCardCount);
}

// The scores and both hands, for the texts of unequal totals.
std::string ScoresAndHands(const GameState& state) {
    return Line("Your score was " + std::to_string(state.PlayerTotal) + "!") +
           Line("The dealer's score was " + std::to_string(state.DealerTotal) + "!") +
           BothHands(state);
}

void SettleEqualTotals(Game& game) {
    const GameState& state = game.state;
    const bool player = PlayerBlackJack(game);
    const bool dealer = DealerBlackJack(game);
    const std::string returned =
        Line("You do not lose any money, your bet will return to your stakes!");
    if (player && dealer) {
        std::string text = Line("This game was a draw!") +
                           Line("You and the dealer both have a Black Jack!") + returned;
        text += Insurance(game) + BothHands(state);
        SettleHand(game, state.Bet, HandResult::Draw, std::move(text));
    } else if (player) {
        std::string text =
            Line("You win because you have a Black Jack and the dealer does not!") +
            Line("You and the dealer both have 21, but your Black Jack wins.") +
            Line("You win " + Dollars(2 * state.Bet) + " which is 2 times your bet.");
        text += Insurance(game) + BothHands(state);
        SettleHand(game, 3 * state.Bet, HandResult::PlayerWins, std::move(text));
    } else if (dealer) {
        std::string text =
            Line("You lose because the dealer has a Black Jack and you do not!") +
            Line("You and the dealer both have 21, but the dealer's Black Jack wins.") +
            Line("You lose " + Dollars(state.Bet) + " which is the amount you bet.");
        text += Insurance(game) + BothHands(state);
        SettleHand(game, 0, HandResult::DealerWins, std::move(text));
    } else {
        std::string text =
            Line("This game was a draw!") +
            Line("You and the dealer both have " + std::to_string(state.DealerTotal) + "!") +
            returned;
        text += Insurance(game) + BothHands(state);
        SettleHand(game, state.Bet, HandResult::Draw, std::move(text));
    }
}

void SettlePlayerHigher(Game& game) {
    const GameState& state = game.state;
    if (PlayerBlackJack(game)) {
        std::string text = Line("Since you have a Black Jack, you win ") +
                           Line(Dollars(2 * state.Bet) + " which is 2 times your bet.");
        text += Insurance(game) + ScoresAndHands(state);
        SettleHand(game, 3 * state.Bet, HandResult::PlayerWins, std::move(text));
        return;
    }
    std::string text = Line("You win " + Dollars(state.Bet) + " which is the amount of your bet.");
    text += Insurance(game) + ScoresAndHands(state);
    SettleHand(game, 2 * state.Bet, HandResult::PlayerWins, std::move(text));
}

void SettlePlayerLower(Game& game) {
    const GameState& state = game.state;
    std::string text = Line("You Lose " + Dollars(state.Bet) + " which is the amount of your bet.");
    text += Insurance(game) + ScoresAndHands(state);
    SettleHand(game, 0, HandResult::DealerWins, std::move(text));
}

}  // namespace

void DealerDraw(Game& game) {
    Guarded(game, Report::MessageBox, " in DealerDraw()", [&] {
        GameState& state = game.state;
        state.DealerCardCount += 1;
        const Int16 card = state.Deck[state.DealPosition];
        state.DealerCardValues[state.DealerCardCount] = GetCardValue(card);
        state.DealerTotal += state.DealerCardValues[state.DealerCardCount];
        const std::string name = GetCardString(card);
        state.DealerCardNames[state.DealerCardCount] = name;
        if (state.DealerCardCount == 1) {
            AddToDealer(game, " face down ");
        } else {
            AddToDealer(game, name);
        }
        if (state.DealerCardCount >= 3) {
            Speak(game,
                  "The dealer drew the " + state.DealerCardNames[state.DealerCardCount].Text());
            Delay(game, 15);
        }
        state.DealPosition += 1;
        LowerAces(state.DealerCardValues, state.DealerCardCount, state.DealerTotal);
        if (state.DealerTotal >= 22) {
            SettleDealerBust(game);
        }
    });
}

void DealToDealer(Game& game) {
    Guarded(game, Report::MessageBox, " in DealToDealer()", [&] {
        GameState& state = game.state;
        Speak(game, "The dealer has a " + std::string(TrimSpaces(state.DealerCardNames[1].Text())) +
                        " and a " + std::string(TrimSpaces(state.DealerCardNames[2].Text())));
        Delay(game, 20);
        while (state.DealerTotal < kDealerStands) {
            Speak(game, "The dealer hits.  ");
            Delay(game, 10);
            PlaySound(game, "\\hit.wav");
            DealerDraw(game);
        }
        if (!state.GameInProgress) {
            return;
        }
        state.GameInProgress = false;
        Speak(game, "The Dealer stays. ");
        Delay(game, 15);
        if (state.PlayerTotal == state.DealerTotal) {
            SettleEqualTotals(game);
        } else if (state.PlayerTotal > state.DealerTotal) {
            SettlePlayerHigher(game);
        } else {
            SettlePlayerLower(game);
        }
    });
}

}  // namespace game
