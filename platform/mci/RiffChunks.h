// RIFF WAVE files: their little-endian fields and the walk over their chunks. The one reader of
// WAV layout that the media device and the wave control share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace riff {

std::uint16_t ReadLe16(const std::uint8_t* bytes);
std::uint32_t ReadLe32(const std::uint8_t* bytes);
void PutLe16(std::uint8_t* bytes, std::uint16_t value);
void PutLe32(std::uint8_t* bytes, std::uint32_t value);

// Reads up to target.size() bytes at an offset; returns how many it got.
using ByteSource = std::function<std::size_t(std::uint64_t offset, std::span<std::uint8_t> target)>;

// A ByteSource over bytes held in memory.
ByteSource MemorySource(std::span<const std::uint8_t> bytes);

struct Chunk {
    char tag[4] = {};
    std::uint64_t header = 0;  // offset of the chunk's tag
    std::uint32_t size = 0;    // the size it declares

    std::uint64_t Body() const { return header + 8; }
    bool Is(std::string_view name) const;
};

enum class WalkEnd {
    NotWave,    // the file does not start with "RIFF" and "WAVE"
    Stopped,    // the visitor asked to stop
    EndOfFile,  // no further chunk fits in the file
    Overrun,    // the last chunk visited declares more bytes than the file holds after it
};

// Visits the chunks of a RIFF WAVE file of `size` bytes in order, from offset 12, until `visit`
// returns false or the chunks end. An odd-sized chunk is followed by a zero pad byte, unless the
// next chunk's tag (four printable characters) follows at once: writers that leave the pad out
// are common. A chunk that runs past the end of the file is visited and ends the walk.
WalkEnd WalkChunks(const ByteSource& read, std::uint64_t size,
                   const std::function<bool(const Chunk&)>& visit);

// Where the body of the first "data" chunk starts, if that chunk's tag lies at or before
// `lastTagOffset` in a RIFF WAVE file of `size` bytes.
std::optional<std::uint64_t> FindDataBody(const ByteSource& read, std::uint64_t size,
                                          std::uint64_t lastTagOffset);

// The offset of the first occurrence of `tag` (4 bytes) in `bytes`: a plain search, no walk.
std::optional<std::size_t> SearchTag(std::span<const std::uint8_t> bytes, std::string_view tag);

}  // namespace riff
