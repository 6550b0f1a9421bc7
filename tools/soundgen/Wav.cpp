#include "tools/soundgen/Wav.h"

#include <cmath>
#include <stdexcept>
#include <string_view>

namespace soundgen {
namespace {

constexpr std::uint32_t kHeaderBytes = 44;
constexpr std::uint16_t kBytesPerSample = 2;

void PutTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    out.insert(out.end(), tag.begin(), tag.end());
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

std::int16_t ToPcm16(float sample) {
    if (!std::isfinite(sample) || std::fabs(sample) > 1.0F) {
        throw std::domain_error("sample outside [-1, 1]: " + std::to_string(sample));
    }
    return static_cast<std::int16_t>(std::lround(sample * 32767.0F));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(std::span<const float> samples, std::uint32_t sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderBytes + dataBytes);

    PutTag(out, "RIFF");
    PutU32(out, kHeaderBytes - 8 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);  // size of the PCM format block
    PutU16(out, 1);   // PCM
    PutU16(out, 1);   // mono
    PutU32(out, sampleRate);
    PutU32(out, sampleRate * kBytesPerSample);
    PutU16(out, kBytesPerSample);
    PutU16(out, 16);
    PutTag(out, "data");
    PutU32(out, dataBytes);

    for (const float sample : samples) {
        PutU16(out, static_cast<std::uint16_t>(ToPcm16(sample)));
    }
    return out;
}

}  // namespace soundgen
