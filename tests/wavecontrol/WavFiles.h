// WAV files made by the tests: the canonical header of the one WAV writer, PCM samples from a
// function.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "platform/mci/RiffChunks.h"
#include "tests/support/TempFolder.h"

namespace wavtest {

inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

// `sample(frame, channel)` gives each value: 0..255 for 8-bit, a signed value for 16-bit.
inline std::string WavBytes(int channels, int bits, std::uint32_t rate, std::uint32_t frames,
                            const std::function<int(std::uint32_t, int)>& sample) {
    const riff::WaveFormat format{static_cast<std::uint16_t>(channels), rate,
                                  static_cast<std::uint16_t>(bits)};
    const auto header = riff::CanonicalHeader(format, std::uint64_t{frames} * format.BlockAlign());
    std::string out(header->begin(), header->end());
    for (std::uint32_t f = 0; f < frames; ++f) {
        for (int c = 0; c < channels; ++c) {
            PutLe(out, static_cast<std::uint32_t>(sample(f, c)), bits / 8);
        }
    }
    return out;
}

// The canonical bytes with a "LIST" chunk of `size` bytes before the data chunk.
inline std::string WithChunkBeforeData(const std::string& canonical, std::uint32_t size) {
    std::string chunk = "LIST";
    PutLe(chunk, size, 4);
    chunk += std::string(size + (size & 1), 'd');
    std::string bytes = canonical.substr(0, 36) + chunk + canonical.substr(36);
    std::string riffSize;
    PutLe(riffSize, static_cast<std::uint32_t>(bytes.size() - 8), 4);
    bytes.replace(4, 4, riffSize);
    return bytes;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A temporary folder removed with the object.
using TempDir = testing_support::TempFolder;

}  // namespace wavtest
