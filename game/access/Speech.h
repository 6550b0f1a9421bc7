// Talking and pacing: speak through the chosen screen reader, silence it, and wait while the
// window keeps handling events.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/shell/Checked.h"

namespace game {

struct Game;

// Says the text through the chosen reader and returns at once ("JFW": every text, even an empty
// one; "WE": non-empty texts; anything else: silence).
void Speak(Game& game, std::string_view text);

// Cuts off what the chosen reader is saying and everything it has queued.
void StopSpeech(Game& game);

// Waits count tenths of a second while events (keys, menus, timers) keep being handled. 0 and
// negative counts return at once; counts beyond ±327 are an overflow error and do not wait.
void Delay(Game& game, Int16 count);

// Waits until the clock reaches the deadline (milliseconds), handling events meanwhile.
void WaitUntil(Game& game, std::uint64_t deadlineMs);

}  // namespace game
