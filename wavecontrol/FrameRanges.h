// The frame and byte arithmetic of the editing operations: which frames a range names, where
// they lie in a working copy, and the layout of a pasted file, all checked against the bytes
// that are really there.
#pragma once

#include <cstdint>
#include <optional>

namespace sonivel {

// Frames `first` to `last`, both included.
struct FrameSpan {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

// Frames from `begin` up to, not including, `end`.
struct FrameRun {
    std::int64_t begin = 0;
    std::int64_t end = 0;
};

// Copy and Paste: -1 or a bound at or past the end means the last frame, a negative bound the
// first; nothing when the range is then reversed.
std::optional<FrameSpan> ClampFrames(std::int32_t from, std::int32_t to, std::int64_t frames);

// ChangeVolume: `to` is an exclusive end, -1 meaning the length, as for play and delete; nothing
// unless 0 <= from <= to <= frames.
std::optional<FrameRun> CheckVolumeRange(std::int32_t from, std::int32_t to, std::int64_t frames);

// A working copy as Paste finds it.
struct PasteSource {
    std::int64_t header = 0;      // offset of the first sample
    std::int64_t frames = 0;      // frames the device holds
    std::int64_t frameBytes = 0;  // bytes of one frame
    std::int64_t fileBytes = 0;   // size of the working copy
    std::int64_t clipBytes = 0;   // bytes in the clipboard
};

// The pasted file: the copy's first `headBytes`, then `clipBytes` of the clipboard, then
// `tailBytes` of the copy from `tailOffset`.
struct PastePlan {
    std::int64_t headBytes = 0;
    std::int64_t clipBytes = 0;
    std::int64_t tailOffset = 0;
    std::int64_t tailBytes = 0;
    std::int64_t newSize = 0;
    std::int64_t header = 0;
};

// Replaces frames `span` with the clipboard's whole frames (a trailing part of a frame is left
// out, so the frames after the range stay aligned). Nothing when the copy is shorter than its
// frames say, the layout makes no sense, or the result would be too large for a WAV file.
std::optional<PastePlan> PlanPaste(const PasteSource& source, FrameSpan span);

}  // namespace sonivel
