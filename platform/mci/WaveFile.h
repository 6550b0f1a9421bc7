// Reading RIFF WAVE files of 8- or 16-bit PCM into memory, and writing sound data back as a
// canonical 44-byte-header WAV file that replaces its target only once complete.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "platform/files/File.h"
#include "platform/files/MemoryBlock.h"
#include "platform/mci/Mci.h"
#include "platform/mci/RiffChunks.h"

namespace mci {

using riff::WaveFormat;

// Where a WAV file keeps its format and its samples.
struct WaveLayout {
    WaveFormat format;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataSize = 0;  // bytes of whole frames present in the file (0: no data chunk)
};

using ByteSource = riff::ByteSource;

// Walks the chunks of a file of `size` bytes: Ok, or ErrInvalidFile when it is not a RIFF WAVE
// file of 8- or 16-bit PCM, or a chunk before the samples runs past the end of the file. The data
// chunk may follow other chunks; a data chunk cut short by the end of the file keeps the whole
// frames that are there; a file without one holds no samples.
ErrorCode ParseWaveLayout(const ByteSource& read, std::uint64_t size, WaveLayout& layout);

// The files, by their stamps, that hold nothing but what WriteWaveFile writes for a sound, so
// that saving it again would copy them byte for byte: the one it was read from, when that did not
// change while it was read, and the one it was saved to last.
struct SoundFiles {
    std::optional<files::FileStamp> readFrom;
    std::optional<files::FileStamp> savedTo;
    bool Include(const files::FileStamp& file) const { return readFrom == file || savedTo == file; }
};

struct WaveSound {
    WaveFormat format;
    files::MemoryBlock frames;  // interleaved samples as stored in the file
    SoundFiles files;
};

// ErrFileNotFound, ErrFileRead, ErrInvalidFile (also for folders and empty files) or
// ErrOutOfMemory on failure. Memory that sound.frames holds already is reused for the samples.
ErrorCode ReadWaveFile(const std::filesystem::path& path, WaveSound& sound);

// ErrFileNotSaved when the file cannot be created, ErrFileWrite when writing it fails; the
// target is then as it was. `written`, when given, receives the stamp of the file written.
ErrorCode WriteWaveFile(const std::filesystem::path& path, const WaveFormat& format,
                        std::span<const std::uint8_t> frames,
                        std::optional<files::FileStamp>* written = nullptr);

}  // namespace mci
