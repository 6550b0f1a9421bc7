#include "CanonicalWav.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace soundgen::test {
namespace {

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    }
    return value;
}

void ExpectTag(const std::vector<std::uint8_t>& bytes, std::size_t at, std::string_view tag) {
    if (std::string_view(reinterpret_cast<const char*>(bytes.data() + at), tag.size()) != tag) {
        throw std::runtime_error("expected \"" + std::string(tag) + "\" at byte " +
                                 std::to_string(at));
    }
}

}  // namespace

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

CanonicalWav ParseCanonicalWav(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 44) {
        throw std::runtime_error("shorter than a WAV header");
    }
    ExpectTag(bytes, 0, "RIFF");
    ExpectTag(bytes, 8, "WAVE");
    ExpectTag(bytes, 12, "fmt ");
    ExpectTag(bytes, 36, "data");
    if (Little(bytes, 4, 4) != bytes.size() - 8) {
        throw std::runtime_error("RIFF size does not match the file size");
    }
    if (Little(bytes, 16, 4) != 16) {
        throw std::runtime_error("format block is not the 16-byte PCM one");
    }
    const std::uint32_t dataBytes = Little(bytes, 40, 4);
    if (dataBytes != bytes.size() - 44 || dataBytes % 2 != 0) {
        throw std::runtime_error("data size does not match the file size");
    }
    CanonicalWav wav;
    wav.formatTag = static_cast<std::uint16_t>(Little(bytes, 20, 2));
    wav.channels = static_cast<std::uint16_t>(Little(bytes, 22, 2));
    wav.sampleRate = Little(bytes, 24, 4);
    wav.byteRate = Little(bytes, 28, 4);
    wav.blockAlign = static_cast<std::uint16_t>(Little(bytes, 32, 2));
    wav.bitsPerSample = static_cast<std::uint16_t>(Little(bytes, 34, 2));
    if (wav.bitsPerSample != 16) {
        throw std::runtime_error("not 16-bit");
    }
    wav.samples.reserve(dataBytes / 2);
    for (std::size_t at = 44; at < bytes.size(); at += 2) {
        const auto raw = static_cast<std::int16_t>(Little(bytes, at, 2));
        wav.samples.push_back(raw / 32768.0);
    }
    return wav;
}

}  // namespace soundgen::test
