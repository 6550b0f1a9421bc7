// Sample bytes as the files hold them (8-bit unsigned about 128, 16-bit signed little-endian)
// turned into the host's 16-bit values and back, and scaled in volume.
#pragma once

#include <cstdint>
#include <span>

namespace sonivel {

// Bytes of one sample for the sizes the data operations accept, 0 for any other.
int BytesPerSample(int bits);

// out[i] = sample i: the unsigned byte 0 to 255, or the signed 16-bit value.
// `bytes` holds at least out.size() samples.
void SamplesToArray(std::span<const std::uint8_t> bytes, int bytesPerSample,
                    std::span<std::int16_t> out);

// Sample i = values[i]: its low 8 bits, or the whole value. `bytes` has room for them all.
void ArrayToSamples(std::span<const std::int16_t> values, int bytesPerSample,
                    std::span<std::uint8_t> bytes);

// Multiplies every sample's distance from the zero line (128, or 0) by `factor` (not negative,
// not NaN), truncating towards zero and clipping to the sample's range.
void ScaleSamples(std::span<std::uint8_t> bytes, int bytesPerSample, float factor);

}  // namespace sonivel
