// Memory for whole files and decoded pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace quorpix {

// Releases a Buffer's mapping.
struct Unmap {
    void* base = nullptr;
    std::size_t length = 0;
    void operator()(std::uint8_t*) const;
};

// Uninitialised bytes in a mapping of their own. Big buffers are aligned for transparent huge
// pages, so filling a 4K grab's 24 MB takes a dozen page faults instead of thousands.
class Buffer {
public:
    Buffer() = default;
    explicit Buffer(std::size_t size); // throws std::bad_alloc when no memory is left

    std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    std::span<const std::uint8_t> bytes() const { return {data(), size_}; }

    // Drops the bytes past size, when fewer arrived than expected.
    void shrink(std::size_t size);

private:
    std::unique_ptr<std::uint8_t, Unmap> data_;
    std::size_t size_ = 0;
};

} // namespace quorpix
