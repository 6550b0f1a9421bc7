// The game's card slots under the ace rule: after every card, the slots and the total are those
// of the rule as the table states it (scan the slots from the first; an 11 drops to 1 while the
// total is 22 or more), for every hand of up to six cards; and the hands as the rules see them.
#include <gtest/gtest.h>

#include <vector>

#include "game/cards/HandValues.h"
#include "game/play/HandCards.h"

namespace game::test {
namespace {

using Slots = CheckedArray<Int16, 21>;

struct SlotHand {
    std::vector<int> slots{0};  // slot 0 is never used
    int total = 0;
};

SlotHand AddBySlotRule(SlotHand hand, int value) {
    hand.slots.push_back(value);
    hand.total += value;
    for (std::size_t slot = 1; slot < hand.slots.size(); ++slot) {
        if (hand.slots[slot] == 11 && hand.total >= 22) {
            hand.slots[slot] = 1;
            hand.total -= 10;
        }
    }
    return hand;
}

void EveryHand(Slots& values, Int16 count, Int16 total, const SlotHand& expected, int most) {
    for (int value = 2; value <= 11; ++value) {
        Slots grown = values;
        Int16 grownCount = count + 1;
        Int16 grownTotal = total + value;
        grown[grownCount] = value;
        LowerAces(grown, grownCount, grownTotal);
        const SlotHand next = AddBySlotRule(expected, value);
        ASSERT_EQ(grownTotal, next.total);
        for (int slot = 1; slot <= grownCount; ++slot) {
            ASSERT_EQ(grown[slot], next.slots[static_cast<std::size_t>(slot)])
                << "slot " << slot << " of " << ::testing::PrintToString(next.slots);
        }
        if (grownCount < most) {
            EveryHand(grown, grownCount, grownTotal, next, most);
        }
    }
}

TEST(HandCards, TheAceRuleLowersTheEarliestAcesOfEveryHandOfUpToSixCards) {
    Slots values;
    EveryHand(values, 0, 0, SlotHand{}, 6);
}

TEST(HandCards, TheRulesSeeTheTotalTheHandKeepsAndItsAcesStillCounted11) {
    Slots values;
    values[1] = 1;
    values[2] = 11;
    values[3] = 6;
    EXPECT_EQ(HandValueOf(values, 3, 18), (rules::HandValue{18, 3, 1}));
    // A state made up by hand (only a total and a count) is taken as it stands.
    EXPECT_EQ(HandValueOf(Slots{}, 2, 21), (rules::HandValue{21, 2, 0}));
}

}  // namespace
}  // namespace game::test
