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

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kReadPiece = 1 << 20;
constexpr std::size_t kCanonicalHeaderSize = 44;

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
    const bool pcm = tag == kFormatPcm ||
                     (tag == kFormatExtensible && wanted >= 26 &&
                      riff::ReadLe16(&bytes[16]) >= 22 && riff::ReadLe16(&bytes[24]) == kFormatPcm);
    format.channels = riff::ReadLe16(&bytes[2]);
    format.samplesPerSec = riff::ReadLe32(&bytes[4]);
    format.bitsPerSample = riff::ReadLe16(&bytes[14]);
    return pcm && format.channels > 0 && format.samplesPerSec > 0 &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16);
}

}  // namespace

ErrorCode ParseWaveLayout(const ByteSource& read, std::uint64_t size, WaveLayout& layout) {
    bool haveFormat = false;
    bool haveData = false;
    bool badFormat = false;
    riff::WalkChunks(read, size, [&](const riff::Chunk& chunk) {
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
    // bytes than the file holds) must not pass for a file without samples.
    if (!haveFormat || !haveData) {
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
    if (!size || !file.IsRegular()) {
        return ErrInvalidFile;
    }
    const ByteSource read = [&file](std::uint64_t offset, std::span<std::uint8_t> target) {
        return files::ReadPieces(file, offset, target, kReadPiece).bytes;
    };
    WaveLayout layout;
    if (const ErrorCode error = ParseWaveLayout(read, *size, layout); error != Ok) {
        return error;
    }
    if (!sound.frames.Allocate(static_cast<std::size_t>(layout.dataSize))) {
        return ErrOutOfMemory;
    }
    // The file may have shrunk since its size was taken: keep the whole frames that came.
    std::size_t got = read(layout.dataOffset, sound.frames.Bytes());
    got -= got % layout.format.BlockAlign();
    if (got < sound.frames.Size() && !sound.frames.Resize(got)) {
        return ErrOutOfMemory;
    }
    sound.format = layout.format;
    return Ok;
}

ErrorCode WriteWaveFile(const std::filesystem::path& path, const WaveFormat& format,
                        std::span<const std::uint8_t> frames) {
    const std::uint64_t pad = frames.size() & 1;
    const std::uint64_t riffSize = kCanonicalHeaderSize - 8 + frames.size() + pad;
    if (riffSize > 0xFFFFFFFFu) {
        return ErrFileNotSaved;
    }
    std::array<std::uint8_t, kCanonicalHeaderSize> header{};
    std::memcpy(&header[0], "RIFF", 4);
    riff::PutLe32(&header[4], static_cast<std::uint32_t>(riffSize));
    std::memcpy(&header[8], "WAVEfmt ", 8);
    riff::PutLe32(&header[16], 16);
    riff::PutLe16(&header[20], kFormatPcm);
    riff::PutLe16(&header[22], format.channels);
    riff::PutLe32(&header[24], format.samplesPerSec);
    riff::PutLe32(&header[28], format.samplesPerSec * format.BlockAlign());
    riff::PutLe16(&header[32], format.BlockAlign());
    riff::PutLe16(&header[34], format.bitsPerSample);
    std::memcpy(&header[36], "data", 4);
    riff::PutLe32(&header[40], static_cast<std::uint32_t>(frames.size()));

    files::ReplacingWriter writer(path);
    if (writer.Error() != 0) {
        return ErrFileNotSaved;
    }
    const std::uint8_t padByte = 0;
    const bool written = writer.Write(header) && writer.Write(frames) &&
                         (pad == 0 || writer.Write(std::span(&padByte, 1))) && writer.Commit();
    return written ? Ok : ErrFileWrite;
}

}  // namespace mci
