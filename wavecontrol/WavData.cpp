// The operations of CSonivelCtrl on the sample bytes of the open file: all samples to and from
// the host's array, the sampling rate in the header, and the volume. Each works on a new working
// copy of the device's data and reopens the device on it at the old position. The samples pass
// through a bounded buffer, or straight between the host's array and the file where their bytes
// are the same (16-bit samples on a little-endian machine).
#include <bit>
#include <cmath>

#include "platform/files/File.h"
#include "platform/files/ReplacingWriter.h"
#include "platform/mci/Mci.h"
#include "platform/mci/RiffChunks.h"
#include "wavecontrol/FrameRanges.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/Samples.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/StreamEdits.h"

namespace sonivel {

namespace {

constexpr std::int32_t kMaxSamplingRate = 44100;

// Whether the host's 16-bit values and the file's samples share their bytes.
bool SameBytes(int bytesPerSample) {
    return bytesPerSample == 2 && std::endian::native == std::endian::little;
}

std::span<std::uint8_t> BytesOf(std::span<std::int16_t> values) {
    return {reinterpret_cast<std::uint8_t*>(values.data()), values.size_bytes()};
}

// The host's values written as samples into `out`, a buffer's worth at a time. 0, 518 (no
// memory for the buffer) or 517 (the new file).
std::int32_t WriteSamples(std::span<const std::int16_t> values, int bytesPerSample,
                          files::ReplacingWriter& out) {
    files::MemoryBlock buffer;
    const std::size_t perPiece = kStreamPieceBytes / 2;
    if (!buffer.Allocate(std::min(values.size(), perPiece) *
                         static_cast<std::size_t>(bytesPerSample))) {
        return kErrWavBuffer;
    }
    for (std::size_t at = 0; at < values.size(); at += perPiece) {
        const auto piece = values.subspan(at, std::min(perPiece, values.size() - at));
        const auto bytes =
            buffer.Bytes().first(piece.size() * static_cast<std::size_t>(bytesPerSample));
        ArrayToSamples(piece, bytesPerSample, bytes);
        if (!out.Write(bytes)) {
            return kErrSaveTmp;
        }
    }
    return 0;
}

}  // namespace

bool CSonivelCtrl::StartArrayOperation(const std::int16_t* pArray, std::int32_t ArrayLength,
                                       files::File& work, ArrayJob& job) {
    if (m_bOpen == 0) {
        m_lErrorCode = kErrNotOpen;
        return false;
    }
    const std::int64_t channels = GetNumChannels();
    job.count = channels * GetLength();
    if (job.count <= 0) {
        m_lErrorCode = kErrWavEmpty;
        return false;
    }
    if (ArrayLength != job.count || pArray == nullptr) {
        m_lErrorCode = kErrArrayLength;
        return false;
    }
    job.bytesPerSample = BytesPerSample(GetNumBits());
    if (job.bytesPerSample == 0) {
        m_lErrorCode = kErrBitsPerSample;
        return false;
    }
    job.position = GetPosition();
    return MakeWorkCopy() &&
           OpenWorkCopy(work, job.count * job.bytesPerSample, job.position, job.header);
}

void CSonivelCtrl::WavFileToArray(std::int16_t* pArray, std::int32_t ArrayLength) {
    files::File work;
    ArrayJob job;
    if (!StartArrayOperation(pArray, ArrayLength, work, job)) {
        return;
    }
    const std::span<std::int16_t> values(pArray, static_cast<std::size_t>(job.count));
    const auto first = static_cast<std::uint64_t>(job.header);
    bool read = false;
    if (SameBytes(job.bytesPerSample)) {
        const auto bytes = BytesOf(values);
        read = files::ReadPieces(work, first, bytes, bytes.size()).bytes == bytes.size();
    } else {
        files::MemoryBlock buffer;
        std::size_t done = 0;
        read =
            ForEachPiece(work, first, values.size() * static_cast<std::size_t>(job.bytesPerSample),
                         buffer, [&](std::span<std::uint8_t> piece) {
                             const std::size_t count =
                                 piece.size() / static_cast<std::size_t>(job.bytesPerSample);
                             SamplesToArray(piece, job.bytesPerSample, values.subspan(done, count));
                             done += count;
                             return true;
                         });
    }
    if (!read) {
        RecoverWorkCopy(job.position, kErrWavBuffer);
        return;
    }
    ReopenWorkCopy(job.position);
}

void CSonivelCtrl::ArrayToWavFile(std::int16_t* pArray, std::int32_t ArrayLength) {
    files::File work;
    ArrayJob job;
    if (!StartArrayOperation(pArray, ArrayLength, work, job)) {
        return;
    }
    const std::span<std::int16_t> values(pArray, static_cast<std::size_t>(job.count));
    const auto header = static_cast<std::uint64_t>(job.header);
    const std::uint64_t dataEnd =
        header + values.size() * static_cast<std::uint64_t>(job.bytesPerSample);
    // The header and whatever follows the samples are kept as the copy has them.
    files::ReplacingWriter fresh(m_strWorkFile);
    std::int32_t code = CopyCode(fresh.AppendFrom(work, 0, header), kErrWavBuffer, kErrSaveTmp);
    if (code == 0) {
        code = SameBytes(job.bytesPerSample) ? (fresh.Write(BytesOf(values)) ? 0 : kErrSaveTmp)
                                             : WriteSamples(values, job.bytesPerSample, fresh);
    }
    if (code == 0) {
        code = CopyCode(fresh.AppendFrom(work, dataEnd, work.Size().value_or(dataEnd) - dataEnd),
                        kErrWavBuffer, kErrSaveTmp);
    }
    if (CommitWorkFile(fresh, code, kErrSaveTmp, job.position)) {
        ReopenWorkCopy(job.position);
    }
}

void CSonivelCtrl::SetSamplingRate(std::int32_t SamplingRate) {
    if (m_bOpen == 0) {
        m_lErrorCode = kErrNotOpen;
        return;
    }
    if (SamplingRate > kMaxSamplingRate || SamplingRate < 1) {
        m_lErrorCode = kErrSamplingRate;
        return;
    }
    const std::int32_t position = GetPosition();
    if (!RecordSampleIfEmpty(GetLength())) {
        return;
    }
    // The average byte rate follows the new rate; the block alignment and the samples stay, so
    // the sound plays faster or slower.
    const std::int64_t bitsPerSecond =
        static_cast<std::int64_t>(SamplingRate) * GetNumBits() * GetNumChannels();
    const auto bytesPerSecond = static_cast<std::uint32_t>(bitsPerSecond / 8);
    if (!MakeWorkCopy()) {
        return;
    }
    std::uint8_t rate[4];
    std::uint8_t average[4];
    riff::PutLe32(rate, static_cast<std::uint32_t>(SamplingRate));
    riff::PutLe32(average, bytesPerSecond);
    const files::File copy(m_strWorkFile, files::FileMode::ReadWrite);
    const bool written = copy.IsOpen() &&
                         files::WritePieces(copy, riff::kSampleRateOffset, rate, 4).bytes == 4 &&
                         files::WritePieces(copy, riff::kByteRateOffset, average, 4).bytes == 4;
    if (!written) {
        RecoverWorkCopy(position, kErrSaveTmp);
        return;
    }
    ReopenWorkCopy(position);
}

void CSonivelCtrl::ChangeVolume(std::int32_t From, std::int32_t To, float Factor) {
    if (m_bOpen == 0) {
        m_lErrorCode = kErrNotOpen;
        return;
    }
    const std::int64_t channels = GetNumChannels();
    if (channels * GetLength() <= 0) {
        // Nothing to scale, and so nothing to report.
        return;
    }
    const std::optional<SampleFormat> format = EditableFormat();
    if (!format) {
        return;
    }
    const std::int32_t position = GetPosition();
    const std::int32_t length = GetLength();
    const std::optional<FrameRun> run = CheckVolumeRange(From, To, length);
    // A factor that is not a number scales nothing sensibly: refused like a bad range.
    if (!run || std::isnan(Factor)) {
        m_lErrorCode = static_cast<std::int32_t>(mci::ErrOutOfRange);
        return;
    }
    if (std::signbit(Factor)) {
        Factor = 0.0f;
    }
    files::File work;
    std::int32_t header = 0;
    const std::int64_t frameBytes = format->FrameBytes();
    if (!MakeWorkCopy() || !OpenWorkCopy(work, length * frameBytes, position, header)) {
        return;
    }
    const auto first = static_cast<std::uint64_t>(header + run->begin * frameBytes);
    const auto count = static_cast<std::uint64_t>((run->end - run->begin) * frameBytes);
    // Only the scaled run passes through memory; the bytes before and after it are copied.
    files::ReplacingWriter fresh(m_strWorkFile);
    std::int32_t code = CopyCode(fresh.AppendFrom(work, 0, first), kErrWavBuffer, kErrSaveTmp);
    files::MemoryBlock buffer;
    if (code == 0 && !ForEachPiece(work, first, count, buffer, [&](std::span<std::uint8_t> piece) {
            ScaleSamples(piece, format->bytesPerSample, Factor);
            return fresh.Write(piece);
        })) {
        code = fresh.Error() != 0 ? kErrSaveTmp : kErrWavBuffer;
    }
    buffer.Free();
    if (code == 0) {
        const std::uint64_t end = first + count;
        code = CopyCode(fresh.AppendFrom(work, end, work.Size().value_or(end) - end), kErrWavBuffer,
                        kErrSaveTmp);
    }
    if (CommitWorkFile(fresh, code, kErrSaveTmp, position)) {
        ReopenWorkCopy(position);
    }
}

}  // namespace sonivel
