// The error type of the game's operations: its text is the description the error handler shows.
#pragma once

#include <stdexcept>

namespace game {

struct GameError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Descriptions of the errors the game's own checks raise.
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kDivisionByZero = "Division by zero";
inline constexpr const char* kObjectNotSet = "Object variable not set";

}  // namespace game
