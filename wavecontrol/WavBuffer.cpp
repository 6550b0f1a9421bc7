#include "wavecontrol/WavBuffer.h"

#include <algorithm>
#include <limits>

#include "platform/files/File.h"

namespace sonivel {

bool CWavBuffer::Load(const std::filesystem::path& path, std::int64_t first, std::int64_t last) {
    Free();
    const files::File file(path, files::FileMode::Read);
    if (!file.IsOpen() || !file.IsRegular()) {
        return false;
    }
    const std::optional<std::uint64_t> fileSize = file.Size();
    if (!fileSize) {
        return false;
    }
    const auto size = static_cast<std::int64_t>(*fileSize);
    if (last == -1 || last >= size) {
        last = size - 1;
    }
    if (first >= size) {
        first = size - 1;
    }
    last = std::max<std::int64_t>(last, 0);
    first = std::max<std::int64_t>(first, 0);
    if (last < first) {
        return false;
    }
    const std::int64_t count = last - first + 1;
    if (count > std::numeric_limits<std::int32_t>::max() ||
        !m_memory.Allocate(static_cast<std::size_t>(count))) {
        return false;
    }
    const files::Transfer read = files::ReadPieces(file, static_cast<std::uint64_t>(first),
                                                   m_memory.Bytes(), m_memory.Size());
    if (read.bytes != m_memory.Size()) {
        Free();
        return false;
    }
    m_lSize = static_cast<std::int32_t>(count);
    return true;
}

void CWavBuffer::Free() {
    m_memory.Free();
    m_lSize = 0;
}

}  // namespace sonivel
