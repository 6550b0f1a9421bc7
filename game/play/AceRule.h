// The ace rule of every hand: after each card, the earliest aces still counted 11 drop to 1, one
// at a time, while the total is over 21.
#pragma once

#include "game/shell/Checked.h"

namespace game {

template <std::size_t N>
void LowerAces(CheckedArray<Int16, N>& values, Int16 count, Int16& total) {
    for (int slot = 1; slot <= count; ++slot) {
        if (values[slot] == 11 && total >= 22) {
            values[slot] = 1;
            total -= 10;
        }
    }
}

}  // namespace game
