#include "platform/files/MemoryBlock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <utility>

namespace files {
namespace {

constexpr std::size_t kPopulateAtLeast = std::size_t{1} << 20;

// A grown block is filled right away (a sound read from its file): its new pages are put in
// place in one call rather than one fault each as they are filled. Only a hint; where the kernel
// declines it, the pages are faulted in as before.
void Populate(std::uint8_t* begin, std::uint8_t* end) {
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const std::uintptr_t first = (reinterpret_cast<std::uintptr_t>(begin) + page - 1) & ~(page - 1);
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) & ~(page - 1);
    if (last > first) {
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
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
    const std::size_t kept = m_size;  // copied or left in place: in memory already
    m_data = static_cast<std::uint8_t*>(grown);
    if (size >= kept + kPopulateAtLeast) {
        Populate(m_data + kept, m_data + size);
    }
    m_size = size;
    return true;
}

void MemoryBlock::Free() {
    std::free(m_data);
    m_data = nullptr;
    m_size = 0;
}

}  // namespace files
