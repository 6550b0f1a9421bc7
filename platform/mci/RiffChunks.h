// RIFF WAVE files: their little-endian fields, the walk over their chunks, and the canonical
// header they are written with. The one reader and writer of WAV layout that the media device,
// the wave control, the tools and the benchmarks share.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace riff {

// The little-endian fields and the canonical header are here in full, so that the tools and tests
// that only write WAV files need nothing else.
inline std::uint16_t ReadLe16(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t ReadLe32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void PutLe16(std::uint8_t* bytes, std::uint16_t value) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutLe32(std::uint8_t* bytes, std::uint32_t value) {
    PutLe16(bytes, static_cast<std::uint16_t>(value));
    PutLe16(bytes + 2, static_cast<std::uint16_t>(value >> 16));
}

struct WaveFormat {
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint16_t bitsPerSample = 0;

    std::uint32_t BlockAlign() const { return channels * (bitsPerSample / 8u); }
};

inline constexpr std::uint16_t kFormatPcm = 1;

// The canonical layout: the format chunk at 12, the data chunk's tag at 36, samples from 44.
inline constexpr std::size_t kCanonicalHeaderSize = 44;
inline constexpr std::uint64_t kRiffSizeOffset = 4;
inline constexpr std::uint64_t kSampleRateOffset = 24;
inline constexpr std::uint64_t kByteRateOffset = 28;

using CanonicalHeaderBytes = std::array<std::uint8_t, kCanonicalHeaderSize>;

// The header of a PCM file holding `dataBytes` bytes of samples, to be followed by them and, after
// an odd count, a zero pad byte (counted in the RIFF size, not in the data size). Nothing when
// that file would be too large for the 32-bit sizes.
inline std::optional<CanonicalHeaderBytes> CanonicalHeader(const WaveFormat& format,
                                                           std::uint64_t dataBytes) {
    const std::uint64_t riffSize = kCanonicalHeaderSize - 8 + dataBytes + (dataBytes & 1);
    if (riffSize > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    constexpr std::uint32_t kPcmFormatBytes = 16;
    CanonicalHeaderBytes header{'R', 'I', 'F', 'F', 0,   0,   0,   0,
                                'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    PutLe32(&header[kRiffSizeOffset], static_cast<std::uint32_t>(riffSize));
    PutLe32(&header[16], kPcmFormatBytes);
    PutLe16(&header[20], kFormatPcm);
    PutLe16(&header[22], format.channels);
    PutLe32(&header[kSampleRateOffset], format.samplesPerSec);
    PutLe32(&header[kByteRateOffset], format.samplesPerSec * format.BlockAlign());
    PutLe16(&header[32], static_cast<std::uint16_t>(format.BlockAlign()));
    PutLe16(&header[34], format.bitsPerSample);
    header[36] = 'd';
    header[37] = 'a';
    header[38] = 't';
    header[39] = 'a';
    PutLe32(&header[40], static_cast<std::uint32_t>(dataBytes));
    return header;
}

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
// returns false or the chunks end. An odd-sized chunk is followed by a pad byte, unless the next
// chunk clearly starts right after it: writers that leave the pad out are common. A chunk that
// runs past the end of the file is visited and ends the walk.
WalkEnd WalkChunks(const ByteSource& read, std::uint64_t size,
                   const std::function<bool(const Chunk&)>& visit);

// Where the body of the first "data" chunk starts, if that chunk's tag lies at or before
// `lastTagOffset` in a RIFF WAVE file of `size` bytes.
std::optional<std::uint64_t> FindDataBody(const ByteSource& read, std::uint64_t size,
                                          std::uint64_t lastTagOffset);

// The offset of the first occurrence of `tag` (4 bytes) in `bytes`: a plain search, no walk.
std::optional<std::size_t> SearchTag(std::span<const std::uint8_t> bytes, std::string_view tag);

}  // namespace riff
