#include "tiffwrite.h"

#include "atomicfile.h"
#include "pixelops.h"
#include "tiffstream.h"

namespace quorpix {

namespace {

bool setFields(TIFF* tiff, const Picture& picture) {
    const auto width = static_cast<std::uint32_t>(picture.width);
    return TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, width) &&
           TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(picture.height)) &&
           TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8) &&
           TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 3) &&
           TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB) &&
           TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG) &&
           TIFFSetField(tiff, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT) &&
           // Deflate with the horizontal predictor: lossless, compact on screen content and
           // read by every TIFF reader of note.
           TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_ADOBE_DEFLATE) &&
           TIFFSetField(tiff, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL) &&
           TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
}

bool encode(Picture& picture, TiffMemory& memory) {
    const TiffHandle tiff = openTiffMemory(memory, "w");
    if (!tiff || !setFields(tiff.get(), picture)) {
        return false;
    }
    std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        bgrToRgb(picture.shownRow(y), rgb.data(), picture.width);
        if (TIFFWriteScanline(tiff.get(), rgb.data(), static_cast<std::uint32_t>(y), 0) != 1) {
            return false;
        }
    }
    return TIFFFlush(tiff.get()) == 1;
}

} // namespace

bool saveTiff(Picture& picture, const std::string& path, int, std::string* error) {
    makeBgr(picture);
    TiffMemory memory;
    if (!encode(picture, memory)) {
        return false;
    }
    return writeFileAtomically(
        path,
        [&](std::FILE* file) {
            return std::fwrite(memory.output.data(), 1, memory.output.size(), file) ==
                   memory.output.size();
        },
        error);
}

} // namespace quorpix
