#include "platform/mci/RiffChunks.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace riff {
namespace {

constexpr std::uint64_t kFirstChunk = 12;
constexpr std::uint64_t kChunkHeader = 8;

// A chunk's tag is four printable ASCII characters.
bool IsTagText(const std::uint8_t* bytes) {
    return std::all_of(bytes, bytes + 4, [](std::uint8_t c) { return c >= 0x20 && c <= 0x7E; });
}

bool ReadChunk(const ByteSource& read, std::uint64_t size, std::uint64_t at, Chunk& chunk) {
    std::array<std::uint8_t, kChunkHeader> header{};
    if (at + kChunkHeader > size || read(at, header) != header.size()) {
        return false;
    }
    std::memcpy(chunk.tag, header.data(), 4);
    chunk.header = at;
    chunk.size = ReadLe32(&header[4]);
    return true;
}

// Whether a chunk that makes sense starts at `at`: a tag of printable characters and a size that
// fits in the file.
bool StartsChunk(const ByteSource& read, std::uint64_t size, std::uint64_t at) {
    Chunk chunk;
    return ReadChunk(read, size, at, chunk) &&
           IsTagText(reinterpret_cast<const std::uint8_t*>(chunk.tag)) &&
           chunk.Body() + chunk.size <= size;
}

bool StartsChunkNamed(const ByteSource& read, std::uint64_t size, std::uint64_t at,
                      std::string_view name) {
    Chunk chunk;
    return ReadChunk(read, size, at, chunk) && chunk.Is(name);
}

// Where the chunk after an odd-sized one starts: after its pad byte, unless the writer left the
// pad out. The format and data chunks are recognised by name (the data chunk of a cut file does
// not fit in it); any other chunk by making sense where the other place does not.
std::uint64_t AfterOddChunk(const ByteSource& read, std::uint64_t size, std::uint64_t end) {
    for (const std::string_view name : {"fmt ", "data"}) {
        if (StartsChunkNamed(read, size, end + 1, name)) {
            return end + 1;
        }
        if (StartsChunkNamed(read, size, end, name)) {
            return end;
        }
    }
    return !StartsChunk(read, size, end + 1) && StartsChunk(read, size, end) ? end : end + 1;
}

}  // namespace

ByteSource MemorySource(std::span<const std::uint8_t> bytes) {
    return [bytes](std::uint64_t offset, std::span<std::uint8_t> target) {
        if (offset >= bytes.size()) {
            return std::size_t{0};
        }
        const std::size_t count =
            std::min<std::size_t>(target.size(), bytes.size() - static_cast<std::size_t>(offset));
        std::memcpy(target.data(), bytes.data() + offset, count);
        return count;
    };
}

bool Chunk::Is(std::string_view name) const {
    return name.size() == 4 && std::memcmp(tag, name.data(), 4) == 0;
}

WalkEnd WalkChunks(const ByteSource& read, std::uint64_t size,
                   const std::function<bool(const Chunk&)>& visit) {
    std::array<std::uint8_t, kFirstChunk> riff{};
    if (size < kFirstChunk || read(0, riff) != riff.size() ||
        std::memcmp(riff.data(), "RIFF", 4) != 0 || std::memcmp(&riff[8], "WAVE", 4) != 0) {
        return WalkEnd::NotWave;
    }
    // Each step moves past a whole chunk header at least, so the walk ends.
    Chunk chunk;
    for (std::uint64_t at = kFirstChunk; ReadChunk(read, size, at, chunk);) {
        if (!visit(chunk)) {
            return WalkEnd::Stopped;
        }
        const std::uint64_t end = chunk.Body() + chunk.size;
        if (end > size) {
            return WalkEnd::Overrun;
        }
        at = (chunk.size & 1) != 0 ? AfterOddChunk(read, size, end) : end;
    }
    return WalkEnd::EndOfFile;
}

std::optional<std::uint64_t> FindDataBody(const ByteSource& read, std::uint64_t size,
                                          std::uint64_t lastTagOffset) {
    std::optional<std::uint64_t> body;
    WalkChunks(read, size, [&](const Chunk& chunk) {
        if (chunk.header > lastTagOffset) {
            return false;
        }
        if (chunk.Is("data")) {
            body = chunk.Body();
            return false;
        }
        return true;
    });
    return body;
}

std::optional<std::size_t> SearchTag(std::span<const std::uint8_t> bytes, std::string_view tag) {
    const auto found = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end());
    if (tag.size() != 4 || found == bytes.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - bytes.begin());
}

}  // namespace riff
