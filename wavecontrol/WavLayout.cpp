#include "wavecontrol/WavLayout.h"

#include "platform/mci/RiffChunks.h"

namespace sonivel {

std::int32_t FindDataOffset(std::span<const std::uint8_t> head) {
    const std::optional<std::uint64_t> body =
        riff::FindDataBody(riff::MemorySource(head), head.size(), kLastDataTagOffset);
    return body ? static_cast<std::int32_t>(*body) : 0;
}

}  // namespace sonivel
