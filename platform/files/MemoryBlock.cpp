#include "platform/files/MemoryBlock.h"

#include <cstdlib>
#include <utility>

namespace files {

MemoryBlock::~MemoryBlock() {
    Free();
}

MemoryBlock::MemoryBlock(MemoryBlock&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)) {}

MemoryBlock& MemoryBlock::operator=(MemoryBlock&& other) noexcept {
    if (this != &other) {
        Free();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

bool MemoryBlock::Allocate(std::size_t size) {
    Free();
    return Resize(size);
}

bool MemoryBlock::Resize(std::size_t size) {
    if (size == 0) {
        Free();
        return true;
    }
    void* grown = std::realloc(m_data, size);
    if (grown == nullptr) {
        return false;
    }
    m_data = static_cast<std::uint8_t*>(grown);
    m_size = size;
    return true;
}

void MemoryBlock::Free() {
    std::free(m_data);
    m_data = nullptr;
    m_size = 0;
}

}  // namespace files
