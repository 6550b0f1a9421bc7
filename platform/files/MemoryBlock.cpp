#include "platform/files/MemoryBlock.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace files {

namespace {

constexpr std::uintptr_t kHugePage = std::uintptr_t{1} << 21;

// Large blocks are filled from files right away: asking for huge pages spares the kernel one
// fault per 4 KB page. Only a hint; a kernel that declines it changes nothing.
void PreferHugePages(void* data, std::size_t size) {
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

}  // namespace

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
    if (size >= 2 * kHugePage) {
        PreferHugePages(grown, size);
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
