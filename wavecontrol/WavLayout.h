// Where the samples of a working copy start, found by walking its RIFF chunks rather than by
// trusting an offset found in another file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace sonivel {

// The data chunk's header must start within this many bytes of the file, as at Open.
inline constexpr std::int64_t kLastDataTagOffset = 10000;
// Bytes of a file that can hold everything FindDataOffset looks at.
inline constexpr std::size_t kHeaderWindow = kLastDataTagOffset + 8;

// 8 past the header of the first "data" chunk of a RIFF WAVE file whose first bytes are `head`
// (44 for the canonical layout); 0 when `head` is not such a file or that chunk does not start
// within the first 10000 bytes.
std::int32_t FindDataOffset(std::span<const std::uint8_t> head);

}  // namespace sonivel
