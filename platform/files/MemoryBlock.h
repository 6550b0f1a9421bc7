// A block of bytes that can be moved, grown and shrunk, and whose allocation failures are
// reported as false instead of thrown, so large sound data can fail cleanly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace files {

class MemoryBlock {
public:
    MemoryBlock() = default;
    ~MemoryBlock();
    MemoryBlock(MemoryBlock&& other) noexcept;
    MemoryBlock& operator=(MemoryBlock&& other) noexcept;
    MemoryBlock(const MemoryBlock&) = delete;
    MemoryBlock& operator=(const MemoryBlock&) = delete;

    // Replaces what is held by `size` uninitialised bytes. False when the memory cannot be had;
    // the block is then empty.
    bool Allocate(std::size_t size);
    // Changes the size, keeping the first min(old, new) bytes; new bytes are uninitialised.
    // False when the memory cannot be had; the block is then unchanged.
    bool Resize(std::size_t size);
    void Free();

    std::uint8_t* Data() { return m_data; }
    const std::uint8_t* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }
    std::span<std::uint8_t> Bytes() { return {m_data, m_size}; }
    std::span<const std::uint8_t> Bytes() const { return {m_data, m_size}; }

private:
    std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace files
