// Canonical PCM WAV bytes (44-byte header, 16-bit mono) from floating-point samples.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace soundgen {

// Samples must be finite and within [-1, 1]; anything else is a bug in the sound that made
// them, so it throws std::domain_error instead of clipping quietly.
std::vector<std::uint8_t> EncodeWav(std::span<const float> samples, std::uint32_t sampleRate);

}  // namespace soundgen
