// The process's wave output volume: one level for every sound the process plays from now on, as
// the platform's per-application volume is, without touching the sounds themselves. It lives in
// SDL's table of hints, which the program and every control library it loads share (each of them
// holds its own copy of this layer), so a program sets it here for the controls it hosts.
// Set and read it on the thread that starts playback.
#pragma once

namespace mci {

// Percent of the recorded level: 0 (silent) to 100 (as recorded); other values are clamped.
inline constexpr int kFullVolume = 100;

void SetOutputVolume(int percent);
// 100 until a program sets another.
int OutputVolume();

}  // namespace mci
