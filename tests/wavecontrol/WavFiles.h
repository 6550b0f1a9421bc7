// WAV files made by the tests: canonical 44-byte header, PCM samples from a function.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

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
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels * bits / 8);
    const std::uint32_t dataSize = frames * blockAlign;
    std::string out = "RIFF";
    PutLe(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    PutLe(out, 16, 4);
    PutLe(out, 1, 2);
    PutLe(out, static_cast<std::uint32_t>(channels), 2);
    PutLe(out, rate, 4);
    PutLe(out, rate * blockAlign, 4);
    PutLe(out, blockAlign, 2);
    PutLe(out, static_cast<std::uint32_t>(bits), 2);
    out += "data";
    PutLe(out, dataSize, 4);
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
