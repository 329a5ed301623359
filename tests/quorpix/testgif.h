// GIF files made by the tests with giflib's encoder.
#pragma once

#include "testfiles.h"
#include "testimage.h"

struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    std::vector<Rgb> localColours;     // empty: the global colour map is used
    int transparent = -1;              // index given by a graphic control extension, or -1
    std::vector<std::uint8_t> indices; // width x height, top row first
};

// A GIF of the given logical screen, global colour map (a power of two entries) and frames.
Bytes encodeGif(int width, int height, const std::vector<Rgb>& colours,
                const std::vector<GifFrame>& frames);
