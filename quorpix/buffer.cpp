#include "buffer.h"

#include <algorithm>
#include <new>
#include <sys/mman.h>

namespace quorpix {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

} // namespace

Buffer::Buffer(std::size_t size) : size_(size) {
    if (size == 0) {
        return;
    }
    // Room to slide the start up to a huge-page boundary.
    const bool huge = size >= kHugePage;
    const std::size_t length = huge ? size + kHugePage : size;
    void* base =
        ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED) {
        throw std::bad_alloc();
    }
    auto start = reinterpret_cast<std::uintptr_t>(base);
    if (huge) {
        start = (start + kHugePage - 1) & ~(kHugePage - 1);
        // Only a hint: without huge pages the buffer works the same, just slower to fill.
        ::madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE);
    }
    data_ = {reinterpret_cast<std::uint8_t*>(start), Unmap{base, length}};
}

void Buffer::shrink(std::size_t size) {
    size_ = std::min(size_, size);
}

void Unmap::operator()(std::uint8_t*) const {
    ::munmap(base, length);
}

} // namespace quorpix
