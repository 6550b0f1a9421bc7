// A strict reader of canonical 16-bit PCM WAV files, written independently of the generator so
// the tests check its bytes against the format rather than against itself.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace soundgen::test {

struct CanonicalWav {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    // Samples scaled to [-1, 1).
    std::vector<double> samples;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

// Throws std::runtime_error saying what is wrong when the bytes are not a canonical 44-byte
// header followed by exactly the data it announces.
CanonicalWav ParseCanonicalWav(const std::vector<std::uint8_t>& bytes);

}  // namespace soundgen::test
