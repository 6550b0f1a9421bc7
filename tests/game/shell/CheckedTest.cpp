// The state's value types: arithmetic that raises "Overflow" instead of wrapping, arrays that
// raise "Subscript out of range", and fixed-width card names.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "game/shell/Checked.h"

namespace game {
namespace {

// The description of the error `body` raises, or "" when it raises none.
template <class Body>
std::string ErrorOf(Body body) {
    try {
        body();
    } catch (const GameError& error) {
        return error.what();
    }
    return "";
}

TEST(Checked, ArithmeticWithinTheWidthIsExact) {
    Int16 a = 32000;
    a += 767;
    EXPECT_EQ(a, 32767);
    Int16 b = -32000;
    b -= 768;
    EXPECT_EQ(b, -32768);
    EXPECT_EQ(Int16(327) * 100, 32700);
    EXPECT_EQ(Int16(-7) / 2, -3);
    Int32 stakes = 2147483000;
    stakes += 647;
    EXPECT_EQ(stakes, 2147483647);
}

TEST(Checked, ResultsBeyondTheWidthAreAnOverflow) {
    EXPECT_EQ(ErrorOf([] { Int16(328) * 100; }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int16(-328) * 100; }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int16(32767) + 1; }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int16(-32768) - 1; }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int32(2147483647) + 1; }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int32(1000000) * Int32(3000); }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int16(-32768) / -1; }), "Overflow");
    EXPECT_EQ(ErrorOf([] { Int16(1) / 0; }), "Division by zero");
}

TEST(Checked, AFailedOperationLeavesTheVariableAsItWas) {
    Int16 total = 32767;
    EXPECT_EQ(ErrorOf([&] { total += 1; }), "Overflow");
    EXPECT_EQ(total, 32767);
}

TEST(Checked, StoringAWiderValueChecksItToo) {
    const Int32 stakes = 40000;
    EXPECT_EQ(ErrorOf([&] { static_cast<void>(Int16(stakes)); }), "Overflow");
    EXPECT_EQ(ErrorOf([] { static_cast<void>(Int16(70000)); }), "Overflow");
    const Int16 fits = Int32(-32768);
    EXPECT_EQ(fits, -32768);
}

TEST(Checked, MixedWidthsComputeInTheWiderOne) {
    // A 16-bit total plus a 32-bit amount is 32-bit arithmetic; a literal keeps the width.
    const auto sum = Int16(32767) + Int32(1);
    EXPECT_EQ(sum, 32768);
    EXPECT_TRUE((std::is_same_v<decltype(sum), const Int32>));
    EXPECT_TRUE((std::is_same_v<decltype(Int16(1) + 1), Int16>));
}

TEST(CheckedArray, SlotsOutsideTheArrayAreOutOfRange) {
    CheckedArray<Int16, 21> values;
    values[0] = 1;
    values[20] = 2;
    EXPECT_EQ(values[20], 2);
    EXPECT_EQ(ErrorOf([&] { values[21] = 3; }), "Subscript out of range");
    EXPECT_EQ(ErrorOf([&] { values[-1] = 3; }), "Subscript out of range");
    const Int16 position = 53;
    const CheckedArray<Int16, 53> deck;
    EXPECT_EQ(deck[52], 0);
    EXPECT_EQ(ErrorOf([&] { static_cast<void>(deck[position]); }), "Subscript out of range");
}

TEST(FixedText, IsFilledUpWithTrailingSpacesToItsWidth) {
    FixedText<25> name;
    EXPECT_EQ(name.Text(), std::string(25, ' '));
    name = "Ace of Spades";
    EXPECT_EQ(name.Text(), "Ace of Spades            ");
    EXPECT_EQ(name.Text().size(), 25u);
    name = std::string(30, 'x');
    EXPECT_EQ(name.Text(), std::string(25, 'x'));
}

}  // namespace
}  // namespace game
