#include "wavecontrol/StreamEdits.h"

#include <algorithm>
#include <vector>

#include "platform/mci/RiffChunks.h"
#include "wavecontrol/ResultCodes.h"

namespace sonivel {

namespace {

// Where a data chunk keeps its size: in the 4 bytes before its samples.
constexpr std::int64_t kSizeFieldBytes = 4;

}  // namespace

std::int32_t CopyCode(const files::RangeCopy& copy, std::int32_t sourceCode,
                      std::int32_t targetCode) {
    switch (copy.stop) {
        case files::CopyStop::None:
            return 0;
        case files::CopyStop::Source:
            return sourceCode;
        case files::CopyStop::Target:
            return targetCode;
    }
    return targetCode;
}

bool ForEachPiece(const files::File& source, std::uint64_t offset, std::uint64_t count,
                  files::MemoryBlock& buffer,
                  const std::function<bool(std::span<std::uint8_t> piece)>& use) {
    if (count == 0) {
        return true;
    }
    if (buffer.Size() == 0 && !buffer.Allocate(kStreamPieceBytes)) {
        return false;
    }
    for (std::uint64_t done = 0; done < count;) {
        const auto piece = buffer.Bytes().first(
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.Size(), count - done)));
        if (files::ReadPieces(source, offset + done, piece, piece.size()).bytes != piece.size() ||
            !use(piece)) {
            return false;
        }
        done += piece.size();
    }
    return true;
}

std::int32_t FillPaste(const PastePlan& plan, const files::File& work, const files::File& clip,
                       files::ReplacingWriter& out) {
    // The header is small (its data chunk starts within the first 10 KB): rewritten in memory.
    std::vector<std::uint8_t> header(static_cast<std::size_t>(plan.header));
    if (files::ReadPieces(work, 0, header, header.size()).bytes != header.size()) {
        return kErrWavBuffer;
    }
    riff::PutLe32(&header[riff::kRiffSizeOffset], static_cast<std::uint32_t>(plan.newSize - 8));
    riff::PutLe32(&header[static_cast<std::size_t>(plan.header - kSizeFieldBytes)],
                  static_cast<std::uint32_t>(plan.newSize - plan.header));
    if (!out.Write(header)) {
        return kErrSaveTmp;
    }
    const auto headRest = static_cast<std::uint64_t>(plan.headBytes - plan.header);
    std::int32_t code =
        CopyCode(out.AppendFrom(work, static_cast<std::uint64_t>(plan.header), headRest),
                 kErrWavBuffer, kErrSaveTmp);
    if (code == 0) {
        code = CopyCode(out.AppendFrom(clip, 0, static_cast<std::uint64_t>(plan.clipBytes)),
                        kErrClipboardAccess, kErrSaveTmp);
    }
    if (code == 0) {
        code = CopyCode(out.AppendFrom(work, static_cast<std::uint64_t>(plan.tailOffset),
                                       static_cast<std::uint64_t>(plan.tailBytes)),
                        kErrWavBuffer, kErrSaveTmp);
    }
    return code;
}

}  // namespace sonivel
