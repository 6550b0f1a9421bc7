// The operations of CSonivelCtrl on the sample bytes of the open file: all samples to and from
// the host's array, the sampling rate in the header, and the volume. Each works on a new working
// copy of the device's data and reopens the device on it at the old position.
#include <cmath>

#include "platform/files/File.h"
#include "platform/mci/Mci.h"
#include "wavecontrol/FrameRanges.h"
#include "wavecontrol/ResultCodes.h"
#include "wavecontrol/Samples.h"
#include "wavecontrol/SonivelCtrl.h"
#include "wavecontrol/WavBuffer.h"
#include "wavecontrol/WavLayout.h"

namespace sonivel {

namespace {

constexpr std::int32_t kMaxSamplingRate = 44100;
// Where the format chunk of the canonical layout the device writes keeps these.
constexpr std::uint64_t kSamplesPerSecOffset = 24;
constexpr std::uint64_t kAvgBytesPerSecOffset = 28;

}  // namespace

bool CSonivelCtrl::StartArrayOperation(const std::int16_t* pArray, std::int32_t ArrayLength,
                                       CWavBuffer& buffer, ArrayJob& job) {
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
           LoadWorkCopy(buffer, job.count * job.bytesPerSample, job.position, job.header);
}

void CSonivelCtrl::WavFileToArray(std::int16_t* pArray, std::int32_t ArrayLength) {
    CWavBuffer buffer;
    ArrayJob job;
    if (!StartArrayOperation(pArray, ArrayLength, buffer, job)) {
        return;
    }
    SamplesToArray(buffer.Bytes().subspan(static_cast<std::size_t>(job.header)), job.bytesPerSample,
                   {pArray, static_cast<std::size_t>(job.count)});
    ReopenWorkCopy(job.position);
}

void CSonivelCtrl::ArrayToWavFile(std::int16_t* pArray, std::int32_t ArrayLength) {
    CWavBuffer buffer;
    ArrayJob job;
    if (!StartArrayOperation(pArray, ArrayLength, buffer, job)) {
        return;
    }
    ArrayToSamples({pArray, static_cast<std::size_t>(job.count)}, job.bytesPerSample,
                   buffer.Bytes().subspan(static_cast<std::size_t>(job.header)));
    if (WriteWorkCopy(buffer.Bytes(), job.position)) {
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
    WriteLe32(rate, static_cast<std::uint32_t>(SamplingRate));
    WriteLe32(average, bytesPerSecond);
    const files::File copy(m_strWorkFile, files::FileMode::ReadWrite);
    const bool written = copy.IsOpen() &&
                         files::WritePieces(copy, kSamplesPerSecOffset, rate, 4).bytes == 4 &&
                         files::WritePieces(copy, kAvgBytesPerSecOffset, average, 4).bytes == 4;
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
    CWavBuffer buffer;
    std::int32_t header = 0;
    const std::int64_t frameBytes = format->FrameBytes();
    if (!MakeWorkCopy() || !LoadWorkCopy(buffer, length * frameBytes, position, header)) {
        return;
    }
    const auto first = static_cast<std::size_t>(header + run->begin * frameBytes);
    const auto count = static_cast<std::size_t>((run->end - run->begin) * frameBytes);
    ScaleSamples(buffer.Bytes().subspan(first, count), format->bytesPerSample, Factor);
    if (WriteWorkCopy(buffer.Bytes(), position)) {
        ReopenWorkCopy(position);
    }
}

}  // namespace sonivel
