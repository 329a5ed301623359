// Writing 24- and 32-bit BMP files; Qt-free so the app and the module share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorpix {

// Pixels to write: rows of B,G,R bytes (or B,G,R,unused with 4 bytes a pixel), topRow being
// the picture's top row. stride is the byte distance from one row to the one below it;
// negative for rows stored bottom-up.
struct BgrImageView {
    int width;
    int height;
    std::ptrdiff_t stride;
    const std::uint8_t* topRow;
    int bytesPerPixel = 3; // 3 for a 24-bit BMP, 4 for a 32-bit one
};

// Writes a bottom-up BI_RGB BMP with rows padded to 4 bytes, atomically. On failure returns
// false, leaves any existing file at path as it was and puts the reason in error (if given).
// A 32-bit BMP costs no conversion from a screen picture's memory: the choice for a grab that
// is converted at once.
bool writeBmp(const std::string& path, const BgrImageView& image, std::string* error);

} // namespace quorpix
