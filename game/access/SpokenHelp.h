// What F2 says on each control that has help: one sentence a Speak, each ending with a space.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace game {

struct Game;

// The player's card box, with the JAWS For Windows keys.
inline constexpr std::array<std::string_view, 10> kJawsPlayerHelp{
    "This is the player text box which contains your cards. ",
    "Use the up and down arrow keys to read your cards one at a time. ",
    "Press page up to hit, or receive another card. ",
    "Press page down to stay, meaning you will keep the cards you currently have. ",
    "Press the left arrow to double down. ",
    "Press the right arrow to split pairs. ",
    "Press the delete key to make an insurance bet. ",
    "Press F3 or the enter key for current stakes amount. ",
    "Press the home key to read all of your cards. ",
    "Press the end key to read the dealers card.  Remember that the dealer has one card showing "
    "and the other card face down, so only one card is visible. ",
};

// The player's card box, with the letter keys.
inline constexpr std::array<std::string_view, 10> kLetterPlayerHelp{
    "This is the player text box which contains your cards. ",
    "Use the up and down arrow keys to read your cards one at a time. ",
    "Press the letter g, as in go to hit, or receive another card. ",
    "Press the letter s, as in stay, to stay, meaning you will keep the cards you currently have. ",
    "Press the letter d, as in down, to double down. ",
    "Press the letter A, as in apple, to split pairs. ",
    "Press the letter f, as in frank, to make an insurance bet. ",
    "Press F3 or the space bar for current stakes amount. ",
    "Press the letter r, as in read, to read all of your cards. ",
    "Press the letter e, as in echo, to read the dealers card.  Remember that the dealer has one "
    "card showing and the other card face down, so only one card is visible. ",
};

inline constexpr std::array<std::string_view, 2> kStakesListHelp{
    "Your stakes is the amount of money you will have to play with during this game. ",
    "Use the up and down arrow keys to move to the amount you want to start with, and press enter "
    "on it. ",
};

inline constexpr std::array<std::string_view, 3> kBetListHelp{
    "This is the bet list box, where you choose the amount you want to bet for this hand of black "
    "jack. ",
    "Use the up and down arrow keys to move to the amount you want to bet, and press enter on it. ",
    "Press F3 for current stakes amount. ",
};

inline constexpr std::array<std::string_view, 4> kResultsTextHelp{
    "This is the results text box. ",
    "Use the up and down arrow keys to read the results displayed in this box. ",
    "Press the tab key to move to the other controls in this window. ",
    "Pressing the enter key while in this box is the same as pressing enter on the Same Bet "
    "button. ",
};

inline constexpr std::array<std::string_view, 3> kSameBetHelp{
    "This is the same bet button. ",
    "Pressing enter on this button will close the results window, and deal the next hand. ",
    "Your bet will be the same amount you originally chose from the bet window. ",
};

inline constexpr std::array<std::string_view, 2> kNewBetHelp{
    "This is the new bet button. ",
    "Press enter on this button to open the bet window so you can change your bet amount. ",
};

inline constexpr std::array<std::string_view, 2> kExitGameHelp{
    "This is the exit game button. ",
    "Press enter on this button to exit the game. ",
};

// Cuts off the current speech, then says each sentence with its own Speak.
void SpeakHelp(Game& game, std::span<const std::string_view> sentences);

}  // namespace game
