// The control's own clipboard: a file in the temporary folder shared by every instance in the
// process, which Copy fills with the bytes of a range of frames and Paste puts in place of one.
// Both copy the bytes between the files without holding them in memory.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/files/File.h"
#include "platform/files/ReplacingWriter.h"
#include "platform/mci/Mci.h"
#include "wavecontrol/FrameRanges.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/StreamEdits.h"
#include "wavecontrol/WorkFiles.h"

namespace sonivel {

char g_szClipFile[300] = {};
std::int32_t g_lClipBytes = 0;

namespace {

constexpr auto kOutOfRange = static_cast<std::int32_t>(mci::ErrOutOfRange);

// The clipboard file, named by the first Copy: a new file of its own in the temporary folder.
bool NameClipFile() {
    if (g_szClipFile[0] != '\0') {
        return true;
    }
    const std::string name = NewTempFile(kClipPrefix);
    if (name.empty() || name.size() >= sizeof g_szClipFile) {
        if (!name.empty()) {
            std::remove(name.c_str());
        }
        return false;
    }
    std::memcpy(g_szClipFile, name.c_str(), name.size() + 1);
    return true;
}

}  // namespace

void CSonivelCtrl::Copy(std::int32_t From, std::int32_t To) {
    if (m_bOpen == 0) {
        m_lErrorCode = kErrNotOpen;
        return;
    }
    const std::optional<SampleFormat> format = EditableFormat();
    if (!format) {
        return;
    }
    const std::int32_t position = GetPosition();
    const std::int32_t length = GetLength();
    if (length <= 0) {
        m_lErrorCode = kErrWavEmpty;
        return;
    }
    const std::optional<FrameSpan> span = ClampFrames(From, To, length);
    if (!span) {
        m_lErrorCode = kOutOfRange;
        return;
    }
    const std::int64_t frameBytes = format->FrameBytes();
    files::File work;
    std::int32_t header = 0;
    // The copy must hold every frame up to the last one copied.
    if (!MakeWorkCopy() || !OpenWorkCopy(work, (span->last + 1) * frameBytes, position, header)) {
        return;
    }
    const std::int64_t first = header + span->first * frameBytes;
    const std::int64_t count = (span->last - span->first + 1) * frameBytes;
    if (!NameClipFile()) {
        RecoverWorkCopy(position, kErrClipboardAccess);
        return;
    }
    // The old clipboard stays whole until the new one is.
    files::ReplacingWriter fresh(g_szClipFile);
    std::int32_t code = CopyCode(fresh.AppendFrom(work, static_cast<std::uint64_t>(first),
                                                  static_cast<std::uint64_t>(count)),
                                 kErrWavBuffer, kErrClipboardAccess);
    if (!CommitWorkFile(fresh, code, kErrClipboardAccess, position)) {
        return;
    }
    g_lClipBytes = static_cast<std::int32_t>(count);
    ReopenedWithSuccess(position);
}

void CSonivelCtrl::Paste(std::int32_t From, std::int32_t To) {
    if (m_bOpen == 0) {
        m_lErrorCode = kErrNotOpen;
        return;
    }
    if (g_szClipFile[0] == '\0') {
        m_lErrorCode = kErrClipboardEmpty;
        return;
    }
    const std::optional<SampleFormat> format = EditableFormat();
    if (!format) {
        return;
    }
    const std::int32_t position = GetPosition();
    const std::int32_t length = GetLength();
    const std::optional<FrameSpan> span = ClampFrames(From, To, length);
    if (!span) {
        m_lErrorCode = kOutOfRange;
        return;
    }
    // A device without samples is given one frame, which the paste then replaces.
    if (!RecordSampleIfEmpty(length)) {
        return;
    }
    files::File work;
    std::int32_t header = 0;
    if (!MakeWorkCopy() || !OpenWorkCopy(work, 0, position, header)) {
        return;
    }
    const files::File clip(g_szClipFile, files::FileMode::Read);
    if (!clip.IsOpen()) {
        RecoverWorkCopy(position, kErrClipboardAccess);
        return;
    }
    PasteSource source;
    source.header = header;
    source.frames = std::max(length, 1);
    source.frameBytes = format->FrameBytes();
    source.fileBytes = static_cast<std::int64_t>(work.Size().value_or(0));
    source.clipBytes = g_lClipBytes;
    const std::optional<PastePlan> plan = PlanPaste(source, *span);
    if (!plan) {
        RecoverWorkCopy(position, kErrWavBuffer);
        return;
    }
    if (static_cast<std::int64_t>(clip.Size().value_or(0)) < plan->clipBytes) {
        // Fewer bytes than the last Copy put there.
        RecoverWorkCopy(position, kErrClipboardAccess);
        return;
    }
    files::ReplacingWriter fresh(m_strWorkFile);
    if (!CommitWorkFile(fresh, FillPaste(*plan, work, clip, fresh), kErrSaveTmp, position)) {
        return;
    }
    // A paste that shortened the sound keeps the position within it.
    const std::int64_t newLength = (plan->newSize - plan->header) / source.frameBytes;
    ReopenedWithSuccess(static_cast<std::int32_t>(std::min<std::int64_t>(position, newLength)));
}

void CSonivelCtrl::ReopenedWithSuccess(std::int32_t position) {
    ReopenWorkCopy(position);
    if (m_bOpen != 0) {
        // The data are in place: a position the device refuses does not undo that.
        m_lErrorCode = 0;
    }
}

}  // namespace sonivel
