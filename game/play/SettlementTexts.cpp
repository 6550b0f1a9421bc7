#include "game/play/SettlementTexts.h"

#include "game/shell/Text.h"

namespace game {

namespace {

std::string Total(Int16 total) {
    return std::to_string(total);
}

std::string BothHands(const GameState& state) {
    return Line("Your cards: ") + CardList(state.PlayerCardNames, state.PlayerCardCount) +
           Line("Dealer's cards: ") + CardList(state.DealerCardNames, state.DealerCardCount);
}

constexpr std::string_view kBetReturned =
    "You do not lose any money, your bet will return to your stakes!";

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

std::string PlayerCardOpening(const GameState& state, PlayerCardEnding ending) {
    const bool fiveCards = ending == PlayerCardEnding::FiveCards;
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

std::string DealerBustOpening(const GameState& state, bool playerBlackJack) {
    std::string text = Line("The " + state.DealerCardNames[state.DealerCardCount].Text() +
                            " put the dealer over 21. ");
    if (playerBlackJack) {
        return text + Line("You have a Black Jack, so you win " + Dollars(2 * state.Bet) +
                           ", which is 2 times the amount of your bet.");
    }
    return text + Line("You win " + Dollars(state.Bet) + ", which is the amount of your bet.");
}

std::string DealerBustAccount(const GameState& state) {
    return Line("The dealer's cards: ") + CardList(state.DealerCardNames, state.DealerCardCount) +
           Line("The dealer's total is " + Total(state.DealerTotal) + "!");
}

std::string ShowdownOpening(const GameState& state, Showdown showdown) {
    switch (showdown) {
        case Showdown::BothBlackJack:
            return Line("This game was a draw!") +
                   Line("You and the dealer both have a Black Jack!") + Line(kBetReturned);
        case Showdown::OnlyPlayerBlackJack:
            return Line("You win because you have a Black Jack and the dealer does not!") +
                   Line("You and the dealer both have 21, but your Black Jack wins.") +
                   Line("You win " + Dollars(2 * state.Bet) + " which is 2 times your bet.");
        case Showdown::OnlyDealerBlackJack:
            return Line("You lose because the dealer has a Black Jack and you do not!") +
                   Line("You and the dealer both have 21, but the dealer's Black Jack wins.") +
                   Line("You lose " + Dollars(state.Bet) + " which is the amount you bet.");
        case Showdown::EqualTotals:
            return Line("This game was a draw!") +
                   Line("You and the dealer both have " + Total(state.DealerTotal) + "!") +
                   Line(kBetReturned);
        case Showdown::PlayerHigherBlackJack:
            return Line("Since you have a Black Jack, you win ") +
                   Line(Dollars(2 * state.Bet) + " which is 2 times your bet.");
        case Showdown::PlayerHigher:
            return Line("You win " + Dollars(state.Bet) + " which is the amount of your bet.");
        case Showdown::PlayerLower:
            return Line("You Lose " + Dollars(state.Bet) + " which is the amount of your bet.");
    }
    return {};
}

std::string ShowdownAccount(const GameState& state, Showdown showdown) {
    switch (showdown) {
        case Showdown::BothBlackJack:
        case Showdown::OnlyPlayerBlackJack:
        case Showdown::OnlyDealerBlackJack:
        case Showdown::EqualTotals:
            return BothHands(state);
        case Showdown::PlayerHigherBlackJack:
        case Showdown::PlayerHigher:
        case Showdown::PlayerLower:
            break;
    }
    return Line("Your score was " + Total(state.PlayerTotal) + "!") +
           Line("The dealer's score was " + Total(state.DealerTotal) + "!") + BothHands(state);
}

}  // namespace game
