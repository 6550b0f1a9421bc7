#include "game/play/SettlementTexts.h"

#include "game/shell/Text.h"

namespace game {

namespace {

using rules::Settlement;

std::string Total(Int16 total) {
    return std::to_string(total);
}

std::string BothHands(const GameState& state) {
    return Line("Your cards: ") + CardList(state.PlayerCardNames, state.PlayerCardCount) +
           Line("Dealer's cards: ") + CardList(state.DealerCardNames, state.DealerCardCount);
}

constexpr std::string_view kBetReturned =
    "You do not lose any money, your bet will return to your stakes!";

std::string DealerBustOpening(const GameState& state, bool playerBlackJack) {
    std::string text = Line("The " + state.DealerCardNames[state.DealerCardCount].Text() +
                            " put the dealer over 21. ");
    if (playerBlackJack) {
        return text + Line("You have a Black Jack, so you win " + Dollars(2 * state.Bet) +
                           ", which is 2 times the amount of your bet.");
    }
    return text + Line("You win " + Dollars(state.Bet) + ", which is the amount of your bet.");
}

// A split hand is never a blackjack: its rows are those of an ordinary hand without one.
Settlement AsOrdinary(rules::SplitSettlement settlement) {
    switch (settlement) {
        case rules::SplitSettlement::DealerBust:
            return Settlement::DealerBust;
        case rules::SplitSettlement::EqualDealerBlackjack:
            return Settlement::EqualDealerBlackjack;
        case rules::SplitSettlement::EqualTotals:
            return Settlement::EqualTotals;
        case rules::SplitSettlement::Higher:
            return Settlement::Higher;
        case rules::SplitSettlement::Lower:
            break;
    }
    return Settlement::Lower;
}

}  // namespace

std::string Line(std::string_view text) {
    return std::string(text).append(kLineBreak);
}

std::string Dollars(Int32 amount) {
    return "$" + std::to_string(amount);
}

std::string CardList(const CheckedArray<CardName, 21>& names, Int16 count) {
    std::string list;
    for (int slot = 1; slot <= count; ++slot) {
        list.append(TrimSpaces(names[slot].Text())).append(kLineBreak);
    }
    return list;
}

std::string PlayerCardOpening(const GameState& state, rules::AfterCard ending) {
    const bool fiveCards = ending == rules::AfterCard::FiveCardWin;
    return Line("You drew the " + state.PlayerCardNames[state.PlayerCardCount].Text() +
                (fiveCards ? ", which gives you 5 cards without going over 21. "
                           : ", which put you over 21. ")) +
           Line((fiveCards ? "You win " : "You lose ") + Dollars(state.Bet) +
                " which is the amount of your bet.");
}

std::string PlayerCardAccount(const GameState& state) {
    return Line("Your cards: ") + CardList(state.PlayerCardNames, state.PlayerCardCount) +
           Line("Your total is " + Total(state.PlayerTotal) + "!");
}

std::string SettlementOpening(const GameState& state, Settlement settlement) {
    switch (settlement) {
        case Settlement::DealerBustPlayerBlackjack:
            return DealerBustOpening(state, true);
        case Settlement::DealerBust:
            return DealerBustOpening(state, false);
        case Settlement::BothBlackjack:
            return Line("This game was a draw!") +
                   Line("You and the dealer both have a Black Jack!") + Line(kBetReturned);
        case Settlement::EqualPlayerBlackjack:
            return Line("You win because you have a Black Jack and the dealer does not!") +
                   Line("You and the dealer both have 21, but your Black Jack wins.") +
                   Line("You win " + Dollars(2 * state.Bet) + " which is 2 times your bet.");
        case Settlement::EqualDealerBlackjack:
            return Line("You lose because the dealer has a Black Jack and you do not!") +
                   Line("You and the dealer both have 21, but the dealer's Black Jack wins.") +
                   Line("You lose " + Dollars(state.Bet) + " which is the amount you bet.");
        case Settlement::EqualTotals:
            return Line("This game was a draw!") +
                   Line("You and the dealer both have " + Total(state.DealerTotal) + "!") +
                   Line(kBetReturned);
        case Settlement::HigherWithBlackjack:
            return Line("Since you have a Black Jack, you win ") +
                   Line(Dollars(2 * state.Bet) + " which is 2 times your bet.");
        case Settlement::Higher:
            return Line("You win " + Dollars(state.Bet) + " which is the amount of your bet.");
        case Settlement::Lower:
            return Line("You Lose " + Dollars(state.Bet) + " which is the amount of your bet.");
    }
    return {};
}

std::string SettlementOpening(const GameState& state, rules::SplitSettlement settlement) {
    return SettlementOpening(state, AsOrdinary(settlement));
}

std::string SettlementAccount(const GameState& state, Settlement settlement) {
    switch (settlement) {
        case Settlement::DealerBustPlayerBlackjack:
        case Settlement::DealerBust:
            return Line("The dealer's cards: ") +
                   CardList(state.DealerCardNames, state.DealerCardCount) +
                   Line("The dealer's total is " + Total(state.DealerTotal) + "!");
        case Settlement::BothBlackjack:
        case Settlement::EqualPlayerBlackjack:
        case Settlement::EqualDealerBlackjack:
        case Settlement::EqualTotals:
            return BothHands(state);
        case Settlement::HigherWithBlackjack:
        case Settlement::Higher:
        case Settlement::Lower:
            break;
    }
    return Line("Your score was " + Total(state.PlayerTotal) + "!") +
           Line("The dealer's score was " + Total(state.DealerTotal) + "!") + BothHands(state);
}

std::string SettlementAccount(const GameState& state, rules::SplitSettlement settlement) {
    return SettlementAccount(state, AsOrdinary(settlement));
}

}  // namespace game
