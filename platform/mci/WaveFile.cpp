#include "platform/mci/WaveFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "platform/files/File.h"
#include "platform/files/ReplacingWriter.h"
#include "platform/mci/RiffChunks.h"

namespace mci {
namespace {

constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kReadPiece = 1 << 20;

// The format chunk: PCM, or the extensible form whose sub-format is PCM; 8 or 16 bits.
bool ParseFormat(const ByteSource& read, std::uint64_t offset, std::uint64_t available,
                 WaveFormat& format) {
    std::array<std::uint8_t, 26> bytes{};
    const std::size_t wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(available, bytes.size()));
    if (wanted < 16 || read(offset, std::span(bytes).first(wanted)) != wanted) {
        return false;
    }
    const std::uint16_t tag = riff::ReadLe16(&bytes[0]);
    const bool pcm = tag == riff::kFormatPcm || (tag == kFormatExtensible && wanted >= 26 &&
                                                 riff::ReadLe16(&bytes[16]) >= 22 &&
                                                 riff::ReadLe16(&bytes[24]) == riff::kFormatPcm);
    format.channels = riff::ReadLe16(&bytes[2]);
    format.samplesPerSec = riff::ReadLe32(&bytes[4]);
    format.bitsPerSample = riff::ReadLe16(&bytes[14]);
    return pcm && format.channels > 0 && format.samplesPerSec > 0 &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16);
}

// True when a file of `size` bytes laid out as `layout` is exactly what WriteWaveFile writes for
// its samples: the canonical header, the samples, and a zero pad byte after an odd count.
bool InWrittenForm(const ByteSource& read, std::uint64_t size, const WaveLayout& layout) {
    const std::optional<riff::CanonicalHeaderBytes> expected =
        riff::CanonicalHeader(layout.format, layout.dataSize);
    const std::uint64_t pad = layout.dataSize % 2;
    if (!expected || layout.dataOffset != expected->size() ||
        size != expected->size() + layout.dataSize + pad) {
        return false;
    }
    riff::CanonicalHeaderBytes header{};
    std::uint8_t padByte = 0;
    return read(0, header) == header.size() && header == *expected &&
           (pad == 0 || (read(size - 1, std::span(&padByte, 1)) == 1 && padByte == 0));
}

}  // namespace

ErrorCode ParseWaveLayout(const ByteSource& read, std::uint64_t size, WaveLayout& layout) {
    bool haveFormat = false;
    bool haveData = false;
    bool badFormat = false;
    const riff::WalkEnd end = riff::WalkChunks(read, size, [&](const riff::Chunk& chunk) {
        const std::uint64_t available = std::min<std::uint64_t>(chunk.size, size - chunk.Body());
        if (!haveFormat && chunk.Is("fmt ")) {
            haveFormat = ParseFormat(read, chunk.Body(), available, layout.format);
            badFormat = !haveFormat;
        } else if (!haveData && chunk.Is("data")) {
            layout.dataOffset = chunk.Body();
            layout.dataSize = available;
            haveData = true;
        }
        return !badFormat && !(haveFormat && haveData);
    });
    // Every sample or none: a walk that lost its way before the samples (a chunk claiming more
    // bytes than the file holds) must not pass for a file without samples. A file whose chunks
    // all fit and hold no samples is one without them.
    if (!haveFormat || (!haveData && end == riff::WalkEnd::Overrun)) {
        return ErrInvalidFile;
    }
    layout.dataSize -= layout.dataSize % layout.format.BlockAlign();
    return Ok;
}

ErrorCode ReadWaveFile(const std::filesystem::path& path, WaveSound& sound) {
    const files::File file(path, files::FileMode::Read);
    if (!file.IsOpen()) {
        return file.Error() == ENOENT || file.Error() == ENOTDIR ? ErrFileNotFound : ErrFileRead;
    }
    const std::optional<std::uint64_t> size = file.Size();
    const std::optional<files::FileStamp> before = file.Stamp();
    if (!size || !before || !file.IsRegular()) {
        return ErrInvalidFile;
    }
    const ByteSource read = [&file](std::uint64_t offset, std::span<std::uint8_t> target) {
        return files::ReadPieces(file, offset, target, kReadPiece).bytes;
    };
    WaveLayout layout;
    if (const ErrorCode error = ParseWaveLayout(read, *size, layout); error != Ok) {
        return error;
    }
    // Memory the caller passed in is reused: pages already there need no zeroing by the kernel.
    if (!sound.frames.Resize(static_cast<std::size_t>(layout.dataSize))) {
        return ErrOutOfMemory;
    }
    // The file may have shrunk since its size was taken: keep the whole frames that came.
    std::size_t got = read(layout.dataOffset, sound.frames.Bytes());
    got -= got % layout.format.BlockAlign();
    if (got < sound.frames.Size() && !sound.frames.Resize(got)) {
        return ErrOutOfMemory;
    }
    sound.format = layout.format;
    const bool whole = got == layout.dataSize && InWrittenForm(read, *size, layout);
    sound.files = {whole && file.Stamp() == before ? before : std::nullopt, std::nullopt};
    return Ok;
}

ErrorCode WriteWaveFile(const std::filesystem::path& path, const WaveFormat& format,
                        std::span<const std::uint8_t> frames,
                        std::optional<files::FileStamp>* written) {
    const std::optional<riff::CanonicalHeaderBytes> header =
        riff::CanonicalHeader(format, frames.size());
    if (!header) {
        return ErrFileNotSaved;
    }
    files::ReplacingWriter writer(path);
    if (writer.Error() != 0) {
        return ErrFileNotSaved;
    }
    const std::uint8_t padByte = 0;
    if (!writer.Write(*header) || !writer.Write(frames) ||
        (frames.size() % 2 != 0 && !writer.Write(std::span(&padByte, 1))) || !writer.Commit()) {
        return ErrFileWrite;
    }
    if (written != nullptr) {
        *written = writer.Committed();
    }
    return Ok;
}

}  // namespace mci
