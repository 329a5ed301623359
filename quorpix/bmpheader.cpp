#include "bmpheader.h"

#include "bytes.h"
#include "caps.h"

#include <bit>

namespace quorpix {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40; // BITMAPINFOHEADER; later versions extend it
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitfields = 3;

constexpr std::array<std::uint32_t, 3> kBgrxMasks{0x000000FF, 0x0000FF00, 0x00FF0000};
constexpr std::array<std::uint32_t, 3> kRgbxMasks{0x00FF0000, 0x0000FF00, 0x000000FF};
constexpr std::array<std::uint32_t, 3> kRgb555Masks{0x001F, 0x03E0, 0x7C00};

bool knownInfoSize(std::uint32_t size) {
    // BITMAPINFOHEADER, its V2 and V3 extensions, V4 and V5.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// Masks must be contiguous, disjoint and inside the pixel's bits.
bool usableMasks(const std::array<std::uint32_t, 3>& masks, int bitsPerPixel) {
    const std::uint64_t room = (std::uint64_t{1} << bitsPerPixel) - 1;
    std::uint32_t seen = 0;
    for (const std::uint32_t mask : masks) {
        if (mask == 0 || mask > room || (mask & seen) != 0) {
            return false;
        }
        const std::uint64_t shifted = mask >> std::countr_zero(mask);
        if ((shifted & (shifted + 1)) != 0) {
            return false;
        }
        seen |= mask;
    }
    return true;
}

// Reads the channel masks (stored red, green, blue) right after the 40-byte header.
bool readMasks(std::span<const std::uint8_t> head, std::uint64_t pixelOffset, BmpInfo& info) {
    const std::uint64_t at = kFileHeaderSize + kInfoHeaderSize;
    if (at + 12 > head.size() || at + 12 > pixelOffset) {
        return false;
    }
    info.masks = {readLe32(&head[at + 8]), readLe32(&head[at + 4]), readLe32(&head[at])};
    return true;
}

// Picks the reader for a depth and compression; false for what we cannot read yet.
bool chooseLayout(int bitsPerPixel, std::uint32_t compression, BmpInfo& info) {
    if (compression == kCompressionRgb) {
        switch (bitsPerPixel) {
        case 8:
            info.layout = BmpLayout::Palette8;
            return true;
        case 16:
            info.layout = BmpLayout::Masked16;
            info.masks = kRgb555Masks;
            return true;
        case 24:
            info.layout = BmpLayout::Bgr24;
            return true;
        case 32:
            info.layout = BmpLayout::Bgrx32;
            return true;
        }
        return false;
    }
    if (compression != kCompressionBitfields || (bitsPerPixel != 16 && bitsPerPixel != 32) ||
        !usableMasks(info.masks, bitsPerPixel)) {
        return false;
    }
    if (bitsPerPixel == 16) {
        info.layout = BmpLayout::Masked16;
    } else if (info.masks == kBgrxMasks) {
        info.layout = BmpLayout::Bgrx32;
    } else if (info.masks == kRgbxMasks) {
        info.layout = BmpLayout::Rgbx32;
    } else {
        info.layout = BmpLayout::Masked32;
    }
    return true;
}

// Sets the colour table's place; it must end before the pixels.
bool placePalette(std::uint32_t infoSize, std::uint32_t coloursUsed, BmpInfo& info) {
    if (info.layout != BmpLayout::Palette8) {
        return true;
    }
    const std::uint32_t colours = coloursUsed == 0 ? 256 : coloursUsed;
    if (colours > 256) {
        return false;
    }
    info.paletteOffset = kFileHeaderSize + infoSize;
    info.paletteSize = static_cast<int>(colours);
    return info.paletteOffset + 4 * colours <= info.pixelOffset;
}

// Sets the pixel geometry and checks it against our caps and the file's length.
bool placePixels(std::int64_t width, std::int64_t height, int bitsPerPixel, std::uint64_t fileSize,
                 BmpInfo& info) {
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || width > kMaxDimension || rows == 0 || rows > kMaxDimension) {
        return false;
    }
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(rows);
    info.topDown = height < 0;
    info.rowPitch = (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t stored = info.rowPitch * static_cast<std::uint64_t>(rows);
    const std::uint64_t decoded = bgrRowPitch(width) * static_cast<std::uint64_t>(rows);
    return stored <= kMaxPixelBytes && decoded <= kMaxPixelBytes && info.pixelOffset <= fileSize &&
           stored <= fileSize - info.pixelOffset;
}

} // namespace

bool parseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, BmpInfo& info) {
    if (head.size() < kFileHeaderSize + kInfoHeaderSize || head[0] != 'B' || head[1] != 'M') {
        return false;
    }
    const std::uint8_t* header = &head[kFileHeaderSize];
    const std::uint32_t infoSize = readLe32(header);
    info.pixelOffset = readLe32(&head[10]);
    if (!knownInfoSize(infoSize) || info.pixelOffset < kFileHeaderSize + infoSize ||
        kFileHeaderSize + infoSize > head.size()) {
        return false;
    }
    const auto width = static_cast<std::int32_t>(readLe32(header + 4));
    const auto height = static_cast<std::int32_t>(readLe32(header + 8));
    const std::uint16_t planes = readLe16(header + 12);
    const std::uint16_t bitsPerPixel = readLe16(header + 14);
    const std::uint32_t compression = readLe32(header + 16);
    const std::uint32_t coloursUsed = readLe32(header + 32);
    if (planes != 1 ||
        (compression == kCompressionBitfields && !readMasks(head, info.pixelOffset, info))) {
        return false;
    }
    return chooseLayout(bitsPerPixel, compression, info) &&
           placePalette(infoSize, coloursUsed, info) &&
           placePixels(width, height, bitsPerPixel, fileSize, info);
}

} // namespace quorpix
