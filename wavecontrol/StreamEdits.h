// The new files of the editing operations (a working copy, the clipboard) written piece by piece
// from the old ones: unchanged ranges are copied inside the kernel, changed ones pass through one
// buffer of bounded size, so an edit needs little memory whatever the size of the file.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "platform/files/File.h"
#include "platform/files/MemoryBlock.h"
#include "platform/files/ReplacingWriter.h"
#include "wavecontrol/FrameRanges.h"

namespace sonivel {

// The most bytes an edit holds in memory at once.
inline constexpr std::size_t kStreamPieceBytes = 4 << 20;

// The result code of a copy into a new file: 0 when it is complete, `sourceCode` when the source
// failed or ran short, `targetCode` when the new file could not be written.
std::int32_t CopyCode(const files::RangeCopy& copy, std::int32_t sourceCode,
                      std::int32_t targetCode);

// Reads `count` bytes of `source` from `offset` into `buffer` (kStreamPieceBytes, allocated here
// when empty), a piece at a time, and hands each piece to `use`, which may change it. False when
// the memory cannot be had, a read fails or the file ends early, or `use` returns false.
bool ForEachPiece(const files::File& source, std::uint64_t offset, std::uint64_t count,
                  files::MemoryBlock& buffer,
                  const std::function<bool(std::span<std::uint8_t> piece)>& use);

// Writes the pasted file into `out`: the working copy's first plan.headBytes (with the RIFF size
// and the data size rewritten for the new size), then plan.clipBytes of the clipboard, then
// plan.tailBytes of the working copy from plan.tailOffset. 0, or the code of what ran short or
// failed: 518 (working copy), 522 (clipboard), 517 (the new file).
std::int32_t FillPaste(const PastePlan& plan, const files::File& work, const files::File& clip,
                       files::ReplacingWriter& out);

}  // namespace sonivel
