// The deck: shuffling it and the rule that decides when a deal shuffles first.
#pragma once

#include <cstdint>
#include <random>
#include <string_view>
#include <vector>

#include "game/shell/Checked.h"
#include "game/shell/GameState.h"

namespace game {

struct Game;

// Refills slots 0 to 51 of Deck with a new random order of the 52 cards (slot 52 is left alone).
// The generator is reseeded at every shuffle: from the clock, or, when a script fixed a seed, from
// that seed and the number of shuffles so far. A stacked deck, when one is set, is used once
// instead. DealPosition is the caller's.
void ShuffleDeck(Game& game);

// A fresh deck in the middle of a hand whose deck is used up: the cards on the table take the
// first slots in the order given, the others are shuffled into the slots after them (or, when a
// stacked deck is set, come in its order, leaving out the cards on the table), and DealPosition
// names the first of them.
void ShuffleAroundTable(Game& game, const std::vector<Int16>& onTable);

// The shuffle itself: for each slot in turn, random cards are drawn until one is found that the
// slots before it do not hold.
void FillDeck(DeckSlots& deck, std::mt19937& generator);

// The cards of a stacked deck written as card numbers (1 to 52, each at most once) separated by
// spaces, such as "8 23 21 34"; throws std::invalid_argument naming what is wrong.
std::vector<std::int16_t> ParseStackedDeck(std::string_view text);

// Whether the coming deal must shuffle first: the deck is used past slot 32, or a shuffle is due.
bool DeckNeedsShuffle(const Game& game);

}  // namespace game
