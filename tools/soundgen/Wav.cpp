#include "tools/soundgen/Wav.h"

#include <cmath>
#include <stdexcept>

#include "platform/mci/RiffChunks.h"

namespace soundgen {
namespace {

constexpr std::uint16_t kBytesPerSample = 2;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

std::int16_t ToPcm16(float sample) {
    if (!std::isfinite(sample) || std::fabs(sample) > 1.0F) {
        throw std::domain_error("sample outside [-1, 1]: " + std::to_string(sample));
    }
    return static_cast<std::int16_t>(std::lround(sample * 32767.0F));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(std::span<const float> samples, std::uint32_t sampleRate) {
    const std::uint64_t dataBytes = samples.size() * kBytesPerSample;
    const auto header = riff::CanonicalHeader({1, sampleRate, 16}, dataBytes);
    if (!header) {
        throw std::length_error("too many samples for a WAV file");
    }
    std::vector<std::uint8_t> out(header->begin(), header->end());
    out.reserve(header->size() + dataBytes);

    for (const float sample : samples) {
        PutU16(out, static_cast<std::uint16_t>(ToPcm16(sample)));
    }
    return out;
}

}  // namespace soundgen
