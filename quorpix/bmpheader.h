// Parsing and checking a BMP's headers against the file's length and our caps.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace quorpix {

// How the stored pixels are laid out; one reader per layout.
enum class BmpLayout {
    Palette1, // bits indexing the colour table, leftmost pixel in the top bit
    Palette4,
    Palette8,
    Rle4,     // run-length coded 4-bit indices
    Rle8,     // run-length coded 8-bit indices
    Bgr24,    // B,G,R bytes
    Bgrx32,   // B,G,R,X bytes
    Rgbx32,   // R,G,B,X bytes
    Masked16, // 16-bit little-endian words split by channel masks
    Masked32, // 32-bit little-endian words split by channel masks
};

struct BmpInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    bool topDown = false;
    BmpLayout layout = BmpLayout::Bgr24;
    std::array<std::uint32_t, 3> masks{}; // blue, green, red for the masked layouts
    std::uint64_t paletteOffset = 0;
    int paletteSize = 0;       // colour table entries
    int paletteEntryBytes = 4; // 3 in the old OS/2 format
    std::uint64_t pixelOffset = 0;
    std::uint64_t rowPitch = 0; // stored row bytes, padded to 4
};

// Checks the headers at the start of a file of fileSize bytes. head must hold at least the
// headers and channel masks; the colour table and pixels are only checked to lie in the file.
bool parseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, BmpInfo& info);

} // namespace quorpix
