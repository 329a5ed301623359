// A decoded picture as the encoders take it: rows stored in memory we own, either decoded or
// still inside the file we read, so a BMP's rows reach the JPEG encoder without a copy.
#pragma once

#include "buffer.h"

#include <cstddef>
#include <cstdint>

namespace quorpix {

// Byte order of one pixel in memory; the X byte is ignored.
enum class PixelOrder { Bgr, Bgrx, Rgbx };

inline constexpr int bytesPerPixel(PixelOrder order) {
    return order == PixelOrder::Bgr ? 3 : 4;
}

struct Picture {
    int width = 0;
    int height = 0;
    PixelOrder order = PixelOrder::Bgr;
    std::uint8_t* firstRow = nullptr; // the first row in memory
    std::ptrdiff_t pitch = 0;         // bytes from one row in memory to the next
    bool bottomUp = false;            // rows in memory run from the bottom of the picture up
    Buffer storage;                   // owns the bytes firstRow points into

    std::uint8_t* row(int index) { return firstRow + index * pitch; }

    // The picture's top row, and the signed distance from a row to the one shown below it.
    std::uint8_t* topRow() { return bottomUp ? row(height - 1) : firstRow; }
    std::ptrdiff_t downPitch() const { return bottomUp ? -pitch : pitch; }
    // The row shown index rows from the top.
    std::uint8_t* shownRow(int index) { return topRow() + index * downPitch(); }

    // Gives the picture fresh rows of its width and height in this order; 3-byte rows are
    // padded to 4 bytes.
    void allocate(PixelOrder pixelOrder);
    void allocateBgr() { allocate(PixelOrder::Bgr); }
};

} // namespace quorpix
