#include "wavecontrol/HeaderSize.h"

#include <array>
#include <cstring>

#include "platform/files/File.h"

namespace sonivel {

namespace {

constexpr std::size_t kLastOffset = 10000;
constexpr char kTag[4] = {'d', 'a', 't', 'a'};

}  // namespace

std::int32_t FindHeaderSize(const char* path) {
    const files::File file(path, files::FileMode::Read);
    if (!file.IsOpen() || !file.IsRegular()) {
        return 0;
    }
    // Every offset that could hold the tag, read at once; a read that ends early (end of file,
    // an error) leaves fewer offsets to search, as a failed read ends the search.
    std::array<std::uint8_t, kLastOffset + sizeof kTag> head{};
    const std::size_t filled = files::ReadPieces(file, 0, head, head.size()).bytes;
    for (std::size_t offset = 0; offset + sizeof kTag <= filled; ++offset) {
        if (std::memcmp(head.data() + offset, kTag, sizeof kTag) == 0) {
            return offset == 0 ? 0 : static_cast<std::int32_t>(offset + 8);
        }
    }
    return 0;
}

}  // namespace sonivel
