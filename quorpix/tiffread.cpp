#include "tiffread.h"

#include "bytes.h"
#include "caps.h"
#include "pixelops.h"
#include "tiffstream.h"

#include <cstring>

namespace quorpix {

bool probeTiff(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    // The first directory may sit anywhere in the file, often at its end, so the probe checks
    // the header and that the directory lies inside the file.
    if (head.size() < 8) {
        return false;
    }
    const bool little = std::memcmp(head.data(), "II*\0", 4) == 0;
    const bool big = std::memcmp(head.data(), "MM\0*", 4) == 0;
    const std::uint32_t directory = big ? readBe32(&head[4]) : readLe32(&head[4]);
    return (little || big) && directory >= 8 && directory + std::uint64_t{2} <= fileSize;
}

bool loadTiff(Buffer file, const LoadOptions&, Picture& picture) {
    TiffMemory memory{file.bytes(), {}, 0};
    const TiffHandle tiff = openTiffMemory(memory, "r");
    std::uint32_t width = 0, height = 0;
    char reason[1024];
    if (!tiff || !TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height) || !withinCaps(width, height, 4) ||
        !TIFFRGBAImageOK(tiff.get(), reason)) {
        return false;
    }
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.allocate(PixelOrder::Rgbx);
    // R,G,B,A bytes in memory, alpha multiplied in.
    if (!TIFFReadRGBAImageOriented(tiff.get(), width, height,
                                   reinterpret_cast<std::uint32_t*>(picture.firstRow),
                                   ORIENTATION_TOPLEFT, 1)) {
        return false;
    }
    flattenPremultipliedOntoWhite(picture);
    return true;
}

} // namespace quorpix
