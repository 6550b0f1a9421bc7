#include "wavecontrol/HeaderSize.h"

#include <array>
#include <optional>

#include "platform/files/File.h"
#include "platform/mci/RiffChunks.h"

namespace sonivel {

namespace {

constexpr std::size_t kLastOffset = 10000;
constexpr std::size_t kTagBytes = 4;

}  // namespace

std::int32_t FindHeaderSize(const char* path) {
    const files::File file(path, files::FileMode::Read);
    if (!file.IsOpen() || !file.IsRegular()) {
        return 0;
    }
    // Every offset that could hold the tag, read at once; a read that ends early (end of file,
    // an error) leaves fewer offsets to search, as a failed read ends the search.
    std::array<std::uint8_t, kLastOffset + kTagBytes> head{};
    const std::size_t filled = files::ReadPieces(file, 0, head, head.size()).bytes;
    const std::optional<std::size_t> found = riff::SearchTag(std::span(head).first(filled), "data");
    return found && *found != 0 ? static_cast<std::int32_t>(*found + 8) : 0;
}

}  // namespace sonivel
