// CWavBuffer: a memory image of a range of bytes of a file, loaded all at once or not at all.
// The editing operations load the first bytes of a working copy, where its layout is, into one;
// the samples themselves they stream (StreamEdits.h).
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "platform/files/MemoryBlock.h"

namespace sonivel {

class CWavBuffer {
public:
    // Frees what is held, then loads bytes `first` to `last` (inclusive) of `path`. The range is
    // clamped to the file: `last` -1 or past the end means the last byte, `first` past the end
    // the last byte, a negative bound the first byte. False, holding nothing, when the file
    // cannot be read, the range is empty after clamping, the memory cannot be had, or fewer
    // bytes arrive than the range holds.
    bool Load(const std::filesystem::path& path, std::int64_t first, std::int64_t last);
    void Free();

    std::uint8_t* Data() { return m_memory.Data(); }
    std::int32_t Size() const { return m_lSize; }
    std::span<std::uint8_t> Bytes() { return m_memory.Bytes(); }
    std::span<const std::uint8_t> Bytes() const { return m_memory.Bytes(); }

private:
    files::MemoryBlock m_memory;
    std::int32_t m_lSize = 0;
};

}  // namespace sonivel
