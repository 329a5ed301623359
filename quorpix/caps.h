// Caps every decoder checks before it allocates, so hostile files cannot make us allocate
// without bound.
#pragma once

#include <cstdint>

namespace quorpix {

// Largest width or height we read or write.
inline constexpr std::int64_t kMaxDimension = 16384;

// Largest pixel buffer, stored in a file or decoded, that one picture may need.
inline constexpr std::uint64_t kMaxPixelBytes = std::uint64_t{512} << 20;

// Largest file we read whole: the pixel budget plus room for headers and metadata.
inline constexpr std::uint64_t kMaxFileBytes = kMaxPixelBytes + (std::uint64_t{16} << 20);

// Bytes of a 24-bit row padded to 4 bytes, as BMP stores it and as we decode into.
inline constexpr std::uint64_t bgrRowPitch(std::int64_t width) {
    return (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
}

// Whether a decoder may allocate a picture of this size with this many bytes a pixel; every
// decoder asks before it allocates.
inline constexpr bool withinCaps(std::int64_t width, std::int64_t height, int bytesPerPixel = 3) {
    return width > 0 && width <= kMaxDimension && height > 0 && height <= kMaxDimension &&
           static_cast<std::uint64_t>(width * height) * bytesPerPixel <= kMaxPixelBytes &&
           bgrRowPitch(width) * static_cast<std::uint64_t>(height) <= kMaxPixelBytes;
}

} // namespace quorpix
