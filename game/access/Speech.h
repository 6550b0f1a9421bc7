// Talking and pacing: speak through the chosen screen reader, silence it, and wait while the
// window keeps handling events.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "game/shell/Checked.h"
#include "platform/speech/Voice.h"

namespace game {

struct Game;

// Says the text through the chosen reader and returns at once ("JFW": every text, even an empty
// one; "WE": non-empty texts; anything else: silence). The text is kept in the speech history.
void Speak(Game& game, std::string_view text);

// Speak without keeping the text: a text heard again from the history, or the history's own
// words about its ends.
void SpeakAgain(Game& game, std::string_view text);

// The reader's voice, speaking at the player's rate when one was chosen.
std::unique_ptr<speech::Voice> MakeVoice(Game& game, speech::Reader reader);
// Gives the voices made so far the player's rate.
void ApplySpeechRate(Game& game);
// Says, through the chosen reader's voice, what a screen reader would say about the windows:
// queued behind the game's own speech, never part of it. A voice that fails stays quiet here
// (the game's own speech reports it).
void SayForScreenReader(Game& game, std::string_view text);

// Cuts off what the chosen reader is saying and everything it has queued.
void StopSpeech(Game& game);

// Waits count tenths of a second while events (keys, menus, timers) keep being handled. 0 and
// negative counts return at once; counts beyond ±327 are an overflow error and do not wait.
void Delay(Game& game, Int16 count);

// Waits until the clock reaches the deadline (milliseconds), handling events meanwhile.
void WaitUntil(Game& game, std::uint64_t deadlineMs);

}  // namespace game
