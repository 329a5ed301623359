// PNG of every colour type and depth, made by libpng, read pixel by pixel.
#include "moduleread.h"
#include "testpng.h"

#include <gtest/gtest.h>

namespace {

struct PngCase {
    const char* name;
    int colourType;
    int depth;
    bool interlaced = false;
    bool transparency = false; // tRNS chunk for grey and palette pictures
};

void PrintTo(const PngCase& c, std::ostream* out) {
    *out << c.name;
}

const PngCase kCases[] = {
    {"grey 1", PNG_COLOR_TYPE_GRAY, 1},
    {"grey 2", PNG_COLOR_TYPE_GRAY, 2},
    {"grey 4", PNG_COLOR_TYPE_GRAY, 4},
    {"grey 8", PNG_COLOR_TYPE_GRAY, 8},
    {"grey 16", PNG_COLOR_TYPE_GRAY, 16},
    {"grey 8 with a transparent level", PNG_COLOR_TYPE_GRAY, 8, false, true},
    {"grey and alpha 8", PNG_COLOR_TYPE_GRAY_ALPHA, 8},
    {"grey and alpha 16", PNG_COLOR_TYPE_GRAY_ALPHA, 16},
    {"RGB 8", PNG_COLOR_TYPE_RGB, 8},
    {"RGB 16", PNG_COLOR_TYPE_RGB, 16},
    {"RGB 8 interlaced", PNG_COLOR_TYPE_RGB, 8, true},
    {"RGBA 8", PNG_COLOR_TYPE_RGBA, 8},
    {"RGBA 16 interlaced", PNG_COLOR_TYPE_RGBA, 16, true},
    {"palette 1", PNG_COLOR_TYPE_PALETTE, 1},
    {"palette 2", PNG_COLOR_TYPE_PALETTE, 2},
    {"palette 4 with alpha", PNG_COLOR_TYPE_PALETTE, 4, false, true},
    {"palette 8 with alpha", PNG_COLOR_TYPE_PALETTE, 8, false, true},
};

const png_color kPalette[] = {{200, 30, 90}, {10, 220, 140}, {0, 0, 0},    {255, 255, 255},
                              {90, 90, 250}, {250, 200, 0},  {33, 66, 99}, {128, 1, 254}};
const std::uint8_t kPaletteAlphas[] = {0, 128, 255, 40};

// Packs samples of depth bits into a PNG row: small ones into bytes from the top bit, 16-bit
// ones big-endian.
class RowPacker {
public:
    explicit RowPacker(int depth) : depth_(depth) {}
    void add(int sample) {
        if (depth_ == 16) {
            row_.push_back(static_cast<std::uint8_t>(sample >> 8));
            row_.push_back(static_cast<std::uint8_t>(sample));
        } else if (depth_ == 8) {
            row_.push_back(static_cast<std::uint8_t>(sample));
        } else {
            if (bit_ % 8 == 0) {
                row_.push_back(0);
            }
            row_.back() |= static_cast<std::uint8_t>(sample << (8 - depth_ - bit_ % 8));
            bit_ += depth_;
        }
    }
    Bytes take() { return std::move(row_); }

private:
    int depth_;
    int bit_ = 0;
    Bytes row_;
};

// A sample of depth bits for an 8-bit level, with the low bits of 16-bit samples set, which
// the reader drops.
int widen(int level, int depth) {
    return depth == 16 ? level << 8 | 0x5A : level;
}

// The pixel at (x, y) for the case: the samples stored, and what the reader must give.
struct Pixel {
    std::vector<int> samples;
    Rgb expected;
};

Pixel pixelOf(const PngCase& c, int x, int y, const TestImage& colours) {
    const Rgb colour = colours.at(x, y);
    const int alpha = (x * 40 + y * 60) % 256;
    const int maxSample = (1 << c.depth) - 1;
    switch (c.colourType) {
    case PNG_COLOR_TYPE_PALETTE: {
        const int index = (x + 2 * y) % std::min(maxSample + 1, 8);
        const png_color entry = kPalette[index];
        const int entryAlpha = c.transparency && index < 4 ? kPaletteAlphas[index] : 255;
        return {{index}, onWhite({entry.red, entry.green, entry.blue}, entryAlpha)};
    }
    case PNG_COLOR_TYPE_GRAY: {
        const int sample = c.depth == 16 ? widen(colour.g, 16) : (x * 5 + y * 3) % (maxSample + 1);
        const auto level =
            static_cast<std::uint8_t>(c.depth == 16 ? colour.g : sample * 255 / maxSample);
        // The transparent level is the one of pixel (0, 0).
        const bool transparent = c.transparency && sample == 0;
        return {{sample}, transparent ? Rgb{255, 255, 255} : Rgb{level, level, level}};
    }
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return {{widen(colour.g, c.depth), widen(alpha, c.depth)},
                onWhite({colour.g, colour.g, colour.g}, alpha)};
    case PNG_COLOR_TYPE_RGB:
        return {{widen(colour.r, c.depth), widen(colour.g, c.depth), widen(colour.b, c.depth)},
                colour};
    default:
        return {{widen(colour.r, c.depth), widen(colour.g, c.depth), widen(colour.b, c.depth),
                 widen(alpha, c.depth)},
                onWhite(colour, alpha)};
    }
}

PngLayout makeSpec(const PngCase& c, int width, int height, TestImage& expected) {
    PngLayout layout{width, height, c.colourType, c.depth, c.interlaced, {}, {}, {}, -1};
    if (c.colourType == PNG_COLOR_TYPE_PALETTE) {
        layout.palette.assign(kPalette, kPalette + std::min(1 << c.depth, 8));
        if (c.transparency) {
            layout.alphas.assign(kPaletteAlphas, kPaletteAlphas + std::min(1 << c.depth, 4));
        }
    } else if (c.transparency) {
        layout.transparentGrey = 0;
    }
    const TestImage colours = manyColours(width, height);
    expected = TestImage{width, height, {}};
    for (int y = 0; y < height; ++y) {
        RowPacker row(c.depth);
        for (int x = 0; x < width; ++x) {
            const Pixel pixel = pixelOf(c, x, y, colours);
            for (const int sample : pixel.samples) {
                row.add(sample);
            }
            expected.pixels.push_back(pixel.expected);
        }
        layout.rows.push_back(row.take());
    }
    return layout;
}

class PngRead : public testing::TestWithParam<PngCase> {};

TEST_P(PngRead, GivesEveryPixel) {
    TempDir dir;
    // An odd width leaves part of the last byte unused at the small depths.
    TestImage expected;
    const Bytes file = encodePng(makeSpec(GetParam(), 13, 9, expected));
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, file, read));
    EXPECT_EQ(read, expected);
}

INSTANTIATE_TEST_SUITE_P(Png, PngRead, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<PngCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace
