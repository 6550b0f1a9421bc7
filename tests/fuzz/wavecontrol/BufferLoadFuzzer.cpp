// Loads a range of a file of arbitrary bytes into a CWavBuffer, with an arbitrary range: the
// load is all or nothing and holds exactly the clamped range; the samples it holds then go
// through the array conversions and the volume scaling as far as its bytes reach.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/files/File.h"
#include "platform/files/TempFiles.h"
#include "wavecontrol/Samples.h"
#include "wavecontrol/WavBuffer.h"
#include "wavecontrol/WavLayout.h"

namespace {

const std::string& ScratchFile() {
    static const std::string path = files::CreateTempFile("fuzzbuf").string();
    return path;
}

template <class T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = std::min(size, sizeof value);
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = Take<std::int32_t>(data, size);
    const auto last = Take<std::int32_t>(data, size);
    const auto shape = Take<std::uint8_t>(data, size);
    const auto factor = Take<float>(data, size);
    {
        files::File file(ScratchFile(), files::FileMode::CreateTruncate);
        files::WritePieces(file, 0, {data, size}, 1 << 16);
    }
    sonivel::CWavBuffer buffer;
    const bool loaded = buffer.Load(ScratchFile(), first, last);
    const auto fileSize = static_cast<std::int64_t>(size);
    std::int64_t to = last == -1 || last >= fileSize ? fileSize - 1 : last;
    std::int64_t from = first >= fileSize ? fileSize - 1 : first;
    to = std::max<std::int64_t>(to, 0);
    from = std::max<std::int64_t>(from, 0);
    const bool expected = size > 0 && from <= to;
    if (loaded != expected ||
        (loaded &&
         (buffer.Size() != to - from + 1 ||
          std::memcmp(buffer.Data(), data + from, static_cast<std::size_t>(buffer.Size())))) ||
        (!loaded && (buffer.Size() != 0 || buffer.Data() != nullptr))) {
        __builtin_trap();
    }
    if (!loaded) {
        return 0;
    }
    // As the control does: samples after the data chunk's header, only as many as are there.
    const int bytesPerSample = sonivel::BytesPerSample((shape & 1) ? 16 : 8);
    const std::int32_t header = sonivel::FindDataOffset(buffer.Bytes());
    const std::int64_t wanted = shape >> 1;
    if (header == 0 || header + wanted * bytesPerSample > buffer.Size()) {
        return 0;
    }
    std::vector<std::int16_t> values(static_cast<std::size_t>(wanted));
    const auto samples = buffer.Bytes().subspan(static_cast<std::size_t>(header));
    sonivel::SamplesToArray(samples, bytesPerSample, values);
    sonivel::ArrayToSamples(values, bytesPerSample, samples);
    if (!(factor != factor) && !std::signbit(factor)) {
        sonivel::ScaleSamples(samples.subspan(0, values.size() * bytesPerSample), bytesPerSample,
                              factor);
    }
    return 0;
}
