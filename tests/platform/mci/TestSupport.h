// Helpers of the media control tests: WAV files built byte by byte, a recorder of notices,
// and a shortcut to send a command and read its reply.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/mci/Mci.h"

namespace mci_test {

using Bytes = std::vector<std::uint8_t>;

inline void PutLe(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

// Byte by byte: GCC 12 at -O2 wrongly warns of an overflow for a ranged insert here.
inline void PutTag(Bytes& bytes, const char* tag) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

struct WaveSpec {
    std::uint16_t channels = 1;
    std::uint32_t rate = 8000;
    std::uint16_t bits = 16;
    bool extraChunk = false;  // a "LIST" chunk (odd size, padded) before "data"
};

// A RIFF WAVE file holding `samples` as its data bytes, written here byte by byte: the files
// that test the chunk walk and the canonical writer come from a writer of their own.
inline Bytes WaveBytes(const WaveSpec& spec, const Bytes& samples) {
    const std::uint32_t align = spec.channels * spec.bits / 8u;
    Bytes bytes;
    PutTag(bytes, "RIFF");
    PutLe(bytes, 0, 4);  // patched below
    PutTag(bytes, "WAVE");
    PutTag(bytes, "fmt ");
    PutLe(bytes, 16, 4);
    PutLe(bytes, 1, 2);
    PutLe(bytes, spec.channels, 2);
    PutLe(bytes, spec.rate, 4);
    PutLe(bytes, spec.rate * align, 4);
    PutLe(bytes, align, 2);
    PutLe(bytes, spec.bits, 2);
    if (spec.extraChunk) {
        PutTag(bytes, "LIST");
        PutLe(bytes, 5, 4);
        bytes.insert(bytes.end(), {'I', 'N', 'F', 'O', 'x', 0});
    }
    PutTag(bytes, "data");
    PutLe(bytes, static_cast<std::uint32_t>(samples.size()), 4);
    bytes.insert(bytes.end(), samples.begin(), samples.end());
    if (samples.size() % 2 != 0) {
        bytes.push_back(0);
    }
    const auto riffSize = static_cast<std::uint32_t>(bytes.size() - 8);
    for (int i = 0; i < 4; ++i) {
        bytes[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    }
    return bytes;
}

// Distinct, never-silent sample bytes: a search in the audio output cannot match by chance.
inline Bytes Pattern(std::size_t count, std::uint32_t seed = 1) {
    Bytes bytes(count);
    std::uint32_t state = seed * 2654435761u + 12345u;
    for (auto& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(1 + (state >> 16) % 250);
    }
    return bytes;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Where `part` occurs in `whole`, or npos.
inline std::size_t Find(const Bytes& whole, const Bytes& part) {
    const auto found = std::search(whole.begin(), whole.end(), part.begin(), part.end());
    return found == whole.end() ? std::string::npos
                                : static_cast<std::size_t>(found - whole.begin());
}

struct Reply {
    mci::ErrorCode error;
    std::string text;
};

inline Reply Send(const std::string& command, mci::NotifyTarget* callback = nullptr) {
    char buffer[64] = "untouched";
    const mci::ErrorCode error = mci::SendString(command.c_str(), buffer, sizeof buffer, callback);
    return {error, buffer};
}

// Keeps every notice, in order, from whichever thread posts it.
class NoticeRecorder : public mci::NotifyTarget {
public:
    void PostNotify(std::uint32_t flags, std::uint32_t deviceId) override {
        std::lock_guard lock(m_mutex);
        m_notices.emplace_back(flags, deviceId);
        m_changed.notify_all();
    }

    // The flags of the notices so far, after waiting up to 5 s for at least `count` of them.
    std::vector<std::uint32_t> Flags(std::size_t count = 0) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(5),
                           [&] { return m_notices.size() >= count; });
        std::vector<std::uint32_t> flags;
        for (const auto& notice : m_notices) {
            flags.push_back(notice.first);
        }
        return flags;
    }

    std::vector<std::pair<std::uint32_t, std::uint32_t>> Notices() {
        std::lock_guard lock(m_mutex);
        return m_notices;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_notices;
};

}  // namespace mci_test
