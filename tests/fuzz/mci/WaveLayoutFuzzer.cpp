// Feeds arbitrary bytes to the WAV chunk walker as a whole file: it must stay inside the file
// and only accept what it can describe.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "platform/mci/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const mci::ByteSource read = [&](std::uint64_t offset, std::span<std::uint8_t> target) {
        if (offset >= size) {
            return std::size_t{0};
        }
        const std::size_t count = std::min<std::size_t>(target.size(), size - offset);
        std::memcpy(target.data(), data + offset, count);
        return count;
    };
    mci::WaveLayout layout;
    if (mci::ParseWaveLayout(read, size, layout) == mci::Ok) {
        const std::uint32_t align = layout.format.BlockAlign();
        if (align == 0 || layout.dataOffset + layout.dataSize > size ||
            layout.dataSize % align != 0) {
            __builtin_trap();
        }
    }
    return 0;
}
