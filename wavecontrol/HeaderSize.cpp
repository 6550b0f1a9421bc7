#include "wavecontrol/HeaderSize.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace sonivel {

namespace {

constexpr std::size_t kLastOffset = 10000;
constexpr char kTag[4] = {'d', 'a', 't', 'a'};

}  // namespace

std::int32_t FindHeaderSize(const char* path) {
    const std::unique_ptr<std::FILE, decltype(&std::fclose)> file(std::fopen(path, "rb"),
                                                                  &std::fclose);
    if (!file) {
        return 0;
    }
    // Every offset that could hold the tag, read at once; a read that ends early (end of file,
    // a directory, an error) leaves fewer offsets to search, as a failed read ends the search.
    std::array<char, kLastOffset + sizeof kTag> head{};
    std::size_t filled = 0;
    while (filled < head.size()) {
        const std::size_t got =
            std::fread(head.data() + filled, 1, head.size() - filled, file.get());
        if (got == 0) {
            break;
        }
        filled += got;
    }
    for (std::size_t offset = 0; offset + sizeof kTag <= filled; ++offset) {
        if (std::memcmp(head.data() + offset, kTag, sizeof kTag) == 0) {
            return offset == 0 ? 0 : static_cast<std::int32_t>(offset + 8);
        }
    }
    return 0;
}

}  // namespace sonivel
