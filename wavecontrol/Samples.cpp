#include "wavecontrol/Samples.h"

#include <algorithm>
#include <cstddef>

namespace sonivel {

namespace {

// Every factor at or above this clips every sample off the zero line, as infinity would, without
// multiplying infinity by 0.
constexpr float kSaturatingFactor = 65536.0f;

std::int16_t Le16(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
}

void PutLe16(std::uint8_t* bytes, std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    bytes[0] = static_cast<std::uint8_t>(bits);
    bytes[1] = static_cast<std::uint8_t>(bits >> 8);
}

// Truncated towards zero and clipped; `value` is never NaN.
template <class T>
T Clip(float value, float low, float high) {
    return static_cast<T>(std::clamp(value, low, high));
}

}  // namespace

int BytesPerSample(int bits) {
    return bits == 8 ? 1 : bits == 16 ? 2 : 0;
}

void SamplesToArray(std::span<const std::uint8_t> bytes, int bytesPerSample,
                    std::span<std::int16_t> out) {
    if (bytesPerSample == 1) {
        std::copy_n(bytes.begin(), out.size(), out.begin());
        return;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = Le16(&bytes[2 * i]);
    }
}

void ArrayToSamples(std::span<const std::int16_t> values, int bytesPerSample,
                    std::span<std::uint8_t> bytes) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (bytesPerSample == 1) {
            bytes[i] = static_cast<std::uint8_t>(values[i] & 0xFF);
        } else {
            PutLe16(&bytes[2 * i], values[i]);
        }
    }
}

void ScaleSamples(std::span<std::uint8_t> bytes, int bytesPerSample, float factor) {
    factor = std::min(factor, kSaturatingFactor);
    if (bytesPerSample == 1) {
        // Scaled about the zero line: v - (v - 128) * (1 - factor), with 1 - factor in single
        // precision.
        const float shrink = 1.0f - factor;
        for (std::uint8_t& sample : bytes) {
            const float v = sample;
            sample = Clip<std::uint8_t>(v - (v - 128.0f) * shrink, 0.0f, 255.0f);
        }
        return;
    }
    // In blocks of host values, so the loop over them runs on vector instructions.
    constexpr std::size_t kBlock = 256;
    std::int16_t block[kBlock];
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2 * kBlock) {
        const std::size_t count = std::min(kBlock, (bytes.size() - at) / 2);
        for (std::size_t i = 0; i < count; ++i) {
            block[i] = Le16(&bytes[at + 2 * i]);
        }
        for (std::size_t i = 0; i < count; ++i) {
            block[i] = Clip<std::int16_t>(block[i] * factor, -32768.0f, 32767.0f);
        }
        for (std::size_t i = 0; i < count; ++i) {
            PutLe16(&bytes[at + 2 * i], block[i]);
        }
    }
}

}  // namespace sonivel
