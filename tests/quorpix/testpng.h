// PNG files made by the tests with libpng, independently of the module's libspng.
#pragma once

#include "testfiles.h"

#include <png.h>

struct PngLayout {
    int width = 0;
    int height = 0;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<Bytes> rows;          // packed as PNG stores them, 16-bit samples big-endian
    std::vector<png_color> palette;   // for palette pictures
    std::vector<std::uint8_t> alphas; // tRNS alpha of the first palette entries
    int transparentGrey = -1;         // tRNS grey level, or -1
};

Bytes encodePng(const PngLayout& layout);
