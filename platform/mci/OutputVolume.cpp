#include "platform/mci/OutputVolume.h"

#include <SDL_hints.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace mci {
namespace {

constexpr const char* kHint = "VENTRA_WAVE_OUTPUT_VOLUME";

}  // namespace

void SetOutputVolume(int percent) {
    const std::string value = std::to_string(std::clamp(percent, 0, kFullVolume));
    // Overriding, so that a variable of the same name in the environment cannot hold it back.
    SDL_SetHintWithPriority(kHint, value.c_str(), SDL_HINT_OVERRIDE);
}

int OutputVolume() {
    const char* hint = SDL_GetHint(kHint);
    if (hint == nullptr) {
        return kFullVolume;
    }
    const std::string_view text(hint);
    int percent = kFullVolume;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    if (error != std::errc() || end != text.data() + text.size()) {
        return kFullVolume;
    }
    return std::clamp(percent, 0, kFullVolume);
}

}  // namespace mci
