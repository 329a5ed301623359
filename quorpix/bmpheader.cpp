#include "bmpheader.h"

#include "bytes.h"
#include "caps.h"

#include <algorithm>
#include <bit>

namespace quorpix {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kCoreHeaderSize = 12; // OS/2 1.x BITMAPCOREHEADER
constexpr std::uint64_t kInfoHeaderSize = 40; // BITMAPINFOHEADER; later versions extend it
constexpr std::uint64_t kOs2HeaderSize = 64;  // OS/2 2.x, which gives codes 3 and 4 other uses
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionRle8 = 1;
constexpr std::uint32_t kCompressionRle4 = 2;
constexpr std::uint32_t kCompressionBitfields = 3;

constexpr std::array<std::uint32_t, 3> kBgrxMasks{0x000000FF, 0x0000FF00, 0x00FF0000};
constexpr std::array<std::uint32_t, 3> kRgbxMasks{0x00FF0000, 0x0000FF00, 0x000000FF};
constexpr std::array<std::uint32_t, 3> kRgb555Masks{0x001F, 0x03E0, 0x7C00};

// The header fields every version has, widened to one form.
struct Fields {
    std::uint32_t infoSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kCompressionRgb;
    std::uint32_t coloursUsed = 0;
};

bool knownInfoSize(std::uint32_t size) {
    // BITMAPINFOHEADER, its V2 and V3 extensions, OS/2 2.x, V4 and V5.
    return size == 40 || size == 52 || size == 56 || size == 64 || size == 108 || size == 124;
}

bool readFields(std::span<const std::uint8_t> head, Fields& fields) {
    if (head.size() < kFileHeaderSize + kCoreHeaderSize) {
        return false;
    }
    const std::uint8_t* header = &head[kFileHeaderSize];
    fields.infoSize = readLe32(header);
    if (fields.infoSize == kCoreHeaderSize) {
        fields.width = readLe16(header + 4);
        fields.height = readLe16(header + 6);
        fields.planes = readLe16(header + 8);
        fields.bitsPerPixel = readLe16(header + 10);
        return true;
    }
    if (!knownInfoSize(fields.infoSize) || kFileHeaderSize + fields.infoSize > head.size()) {
        return false;
    }
    fields.width = static_cast<std::int32_t>(readLe32(header + 4));
    fields.height = static_cast<std::int32_t>(readLe32(header + 8));
    fields.planes = readLe16(header + 12);
    fields.bitsPerPixel = readLe16(header + 14);
    fields.compression = readLe32(header + 16);
    fields.coloursUsed = readLe32(header + 32);
    // OS/2 2.x uses 3 and 4 for Huffman and 24-bit run lengths, which we do not read.
    return fields.infoSize != kOs2HeaderSize || fields.compression < kCompressionBitfields;
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

bool chooseUncompressed(int bitsPerPixel, BmpInfo& info) {
    switch (bitsPerPixel) {
    case 1:
        info.layout = BmpLayout::Palette1;
        return true;
    case 4:
        info.layout = BmpLayout::Palette4;
        return true;
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

bool chooseMasked(int bitsPerPixel, BmpInfo& info) {
    if ((bitsPerPixel != 16 && bitsPerPixel != 32) || !usableMasks(info.masks, bitsPerPixel)) {
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

// Picks the reader for a depth and compression; false for what we cannot read.
bool chooseLayout(int bitsPerPixel, std::uint32_t compression, BmpInfo& info) {
    switch (compression) {
    case kCompressionRgb:
        return chooseUncompressed(bitsPerPixel, info);
    case kCompressionRle8:
        info.layout = BmpLayout::Rle8;
        return bitsPerPixel == 8;
    case kCompressionRle4:
        info.layout = BmpLayout::Rle4;
        return bitsPerPixel == 4;
    case kCompressionBitfields:
        return chooseMasked(bitsPerPixel, info);
    }
    return false;
}

bool usesPalette(BmpLayout layout) {
    return layout <= BmpLayout::Rle8;
}

bool runLengthCoded(BmpLayout layout) {
    return layout == BmpLayout::Rle4 || layout == BmpLayout::Rle8;
}

// Sets the colour table's place; it must end before the pixels.
bool placePalette(const Fields& fields, BmpInfo& info) {
    if (!usesPalette(info.layout)) {
        return true;
    }
    const bool core = fields.infoSize == kCoreHeaderSize;
    info.paletteEntryBytes = core ? 3 : 4;
    info.paletteOffset = kFileHeaderSize + fields.infoSize;
    std::uint64_t colours =
        fields.coloursUsed == 0 ? 1u << fields.bitsPerPixel : fields.coloursUsed;
    // The old OS/2 header has no colour count: writers store as many entries as fit before
    // the pixels.
    if (core && info.pixelOffset >= info.paletteOffset) {
        colours = std::min<std::uint64_t>(colours, (info.pixelOffset - info.paletteOffset) / 3);
    }
    if (colours > 256) {
        return false;
    }
    info.paletteSize = static_cast<int>(colours);
    return info.paletteOffset + static_cast<std::uint64_t>(info.paletteEntryBytes) * colours <=
           info.pixelOffset;
}

// Sets the pixel geometry and checks it against our caps and the file's length. Run-length
// coded pixels are only known to start inside the file; their decoder checks the rest.
bool placePixels(const Fields& fields, std::uint64_t fileSize, BmpInfo& info) {
    const std::int64_t rows = fields.height < 0 ? -fields.height : fields.height;
    if (!withinCaps(fields.width, rows)) {
        return false;
    }
    info.width = static_cast<int>(fields.width);
    info.height = static_cast<int>(rows);
    info.bitsPerPixel = fields.bitsPerPixel;
    info.topDown = fields.height < 0;
    if (runLengthCoded(info.layout)) {
        return !info.topDown && info.pixelOffset < fileSize;
    }
    info.rowPitch = (static_cast<std::uint64_t>(fields.width) * fields.bitsPerPixel + 31) / 32 * 4;
    const std::uint64_t stored = info.rowPitch * static_cast<std::uint64_t>(rows);
    return stored <= kMaxPixelBytes && info.pixelOffset <= fileSize &&
           stored <= fileSize - info.pixelOffset;
}

} // namespace

bool parseBmpHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, BmpInfo& info) {
    Fields fields;
    if (head.size() < 2 || head[0] != 'B' || head[1] != 'M' || !readFields(head, fields)) {
        return false;
    }
    info.pixelOffset = readLe32(&head[10]);
    if (info.pixelOffset < kFileHeaderSize + fields.infoSize || fields.planes != 1 ||
        (fields.compression == kCompressionBitfields && !readMasks(head, info.pixelOffset, info))) {
        return false;
    }
    return chooseLayout(fields.bitsPerPixel, fields.compression, info) &&
           placePalette(fields, info) && placePixels(fields, fileSize, info);
}

} // namespace quorpix
