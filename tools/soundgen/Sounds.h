// The game's six sound effects, each a recipe that synthesises its samples from scratch.
#pragma once

#include <span>
#include <string_view>

#include "tools/soundgen/Synth.h"

namespace soundgen {

struct SoundEffect {
    std::string_view fileName;
    Signal (*make)();
};

// hit, youwin, youlose, draw, shuffle and broke, under the file names the game plays.
std::span<const SoundEffect> SoundEffects();

}  // namespace soundgen
