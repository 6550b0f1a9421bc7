#include "wavecontrol/FrameRanges.h"

#include <algorithm>
#include <limits>

namespace sonivel {

namespace {

// The largest file a paste makes: the control counts bytes and frames in 32-bit signed numbers.
constexpr std::int64_t kMaxFileBytes = std::numeric_limits<std::int32_t>::max();
// Where the RIFF size and a data chunk's size are kept.
constexpr std::int64_t kRiffSizeOffset = 4;
constexpr std::int64_t kSizeFieldBytes = 4;

}  // namespace

std::optional<FrameSpan> ClampFrames(std::int32_t from, std::int32_t to, std::int64_t frames) {
    std::int64_t first = from;
    std::int64_t last = to;
    if (last == -1 || last >= frames) {
        last = frames - 1;
    }
    if (first >= frames) {
        first = frames - 1;
    }
    last = std::max<std::int64_t>(last, 0);
    first = std::max<std::int64_t>(first, 0);
    if (last < first) {
        return std::nullopt;
    }
    return FrameSpan{first, last};
}

std::optional<FrameRun> CheckVolumeRange(std::int32_t from, std::int32_t to, std::int64_t frames) {
    const std::int64_t end = to == -1 ? frames : to;
    if (end < 0 || end > frames || from < 0 || from > frames || from > end) {
        return std::nullopt;
    }
    return FrameRun{from, end};
}

std::optional<PastePlan> PlanPaste(const PasteSource& source, FrameSpan span) {
    const std::int64_t h = source.header;
    if (h < kRiffSizeOffset + 2 * kSizeFieldBytes || source.frames < 1 || source.frameBytes < 1 ||
        source.clipBytes < 0 || span.first < 0 || span.last < span.first ||
        span.last >= source.frames) {
        return std::nullopt;
    }
    const std::int64_t dataEnd = h + source.frames * source.frameBytes;
    if (dataEnd > source.fileBytes) {
        return std::nullopt;
    }
    PastePlan plan;
    plan.header = h;
    plan.headBytes = h + span.first * source.frameBytes;
    plan.clipBytes = source.clipBytes - source.clipBytes % source.frameBytes;
    plan.tailOffset = h + (span.last + 1) * source.frameBytes;
    plan.tailBytes = dataEnd - plan.tailOffset;
    plan.newSize = plan.headBytes + plan.clipBytes + plan.tailBytes;
    if (plan.newSize > kMaxFileBytes) {
        return std::nullopt;
    }
    return plan;
}

}  // namespace sonivel
