#include "wavecontrol/WavLayout.h"

#include <cstring>

namespace sonivel {

namespace {

constexpr std::size_t kFirstChunk = 12;
constexpr std::size_t kChunkHeader = 8;

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5]) {
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

}  // namespace

std::uint32_t ReadLe32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void WriteLe32(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::int32_t FindDataOffset(std::span<const std::uint8_t> head) {
    if (!HasTag(head, 0, "RIFF") || !HasTag(head, 8, "WAVE")) {
        return 0;
    }
    // Each step moves past a whole chunk (padded to an even size), so the walk ends.
    std::uint64_t at = kFirstChunk;
    while (at <= static_cast<std::uint64_t>(kLastDataTagOffset) &&
           at + kChunkHeader <= head.size()) {
        const auto chunk = static_cast<std::size_t>(at);
        if (HasTag(head, chunk, "data")) {
            return static_cast<std::int32_t>(at + kChunkHeader);
        }
        const std::uint64_t size = ReadLe32(head.data() + chunk + 4);
        at += kChunkHeader + size + (size & 1);
    }
    return 0;
}

}  // namespace sonivel
