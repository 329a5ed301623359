// TIFF of the common layouts, made by libtiff, read pixel by pixel.
#include "moduleread.h"

#include <gtest/gtest.h>
#include <tiffio.h>

namespace {

struct TiffCase {
    const char* name;
    int photometric;
    int samples; // per pixel
    int bits;    // per sample
    int compression = COMPRESSION_NONE;
    bool tiled = false;
    int orientation = ORIENTATION_TOPLEFT;
};

void PrintTo(const TiffCase& c, std::ostream* out) {
    *out << c.name;
}

const TiffCase kCases[] = {
    {"RGB", PHOTOMETRIC_RGB, 3, 8},
    {"RGB LZW tiled", PHOTOMETRIC_RGB, 3, 8, COMPRESSION_LZW, true},
    {"RGB 16-bit Deflate", PHOTOMETRIC_RGB, 3, 16, COMPRESSION_ADOBE_DEFLATE},
    {"RGB bottom row first", PHOTOMETRIC_RGB, 3, 8, COMPRESSION_NONE, false, ORIENTATION_BOTLEFT},
    {"RGBA unassociated alpha", PHOTOMETRIC_RGB, 4, 8},
    {"grey", PHOTOMETRIC_MINISBLACK, 1, 8, COMPRESSION_PACKBITS},
    {"palette", PHOTOMETRIC_PALETTE, 1, 8},
};

constexpr int kWidth = 21;
constexpr int kHeight = 18;

// The stored samples of pixel (x, y) and the colour the reader must give for it.
std::vector<int> samplesOf(const TiffCase& c, const Rgb& colour, int alpha, int x, Rgb& expected) {
    const int scale = c.bits == 16 ? 257 : 1;
    switch (c.photometric) {
    case PHOTOMETRIC_MINISBLACK:
        expected = {colour.g, colour.g, colour.g};
        return {colour.g};
    case PHOTOMETRIC_PALETTE:
        expected = {static_cast<std::uint8_t>(x * 10), static_cast<std::uint8_t>(255 - x),
                    static_cast<std::uint8_t>(x * 3)};
        return {x};
    }
    expected = c.samples == 4 ? onWhite(colour, alpha) : colour;
    std::vector<int> samples{colour.r * scale, colour.g * scale, colour.b * scale};
    if (c.samples == 4) {
        samples.push_back(alpha);
    }
    return samples;
}

void setFields(TIFF* tiff, const TiffCase& c) {
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, kWidth);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, kHeight);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, c.bits);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, c.samples);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, c.photometric);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, c.compression);
    TIFFSetField(tiff, TIFFTAG_ORIENTATION, c.orientation);
    if (c.samples == 4) {
        const std::uint16_t extra = EXTRASAMPLE_UNASSALPHA;
        TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, 1, &extra);
    }
    if (c.photometric == PHOTOMETRIC_PALETTE) {
        std::vector<std::uint16_t> red(256), green(256), blue(256);
        for (int i = 0; i < 256; ++i) {
            red[i] = static_cast<std::uint16_t>((i * 10 % 256) * 257);
            green[i] = static_cast<std::uint16_t>((255 - i) * 257);
            blue[i] = static_cast<std::uint16_t>((i * 3 % 256) * 257);
        }
        TIFFSetField(tiff, TIFFTAG_COLORMAP, red.data(), green.data(), blue.data());
    }
    if (c.tiled) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 16);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, 16);
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 5);
    }
}

// Stored rows, top row of the picture first unless the orientation says otherwise.
std::vector<Bytes> makeRows(const TiffCase& c, TestImage& expected) {
    const TestImage colours = manyColours(kWidth, kHeight);
    expected = TestImage{kWidth, kHeight, std::vector<Rgb>(kWidth * kHeight)};
    std::vector<Bytes> rows;
    for (int row = 0; row < kHeight; ++row) {
        const int y = c.orientation == ORIENTATION_BOTLEFT ? kHeight - 1 - row : row;
        Bytes bytes;
        for (int x = 0; x < kWidth; ++x) {
            for (const int sample : samplesOf(c, colours.at(x, y), (x * 40 + y * 60) % 256, x,
                                              expected.pixels[y * kWidth + x])) {
                bytes.push_back(static_cast<std::uint8_t>(sample));
                if (c.bits == 16) {
                    bytes.push_back(static_cast<std::uint8_t>(sample >> 8)); // native: little
                }
            }
        }
        rows.push_back(bytes);
    }
    return rows;
}

void writeTiles(TIFF* tiff, const std::vector<Bytes>& rows, std::size_t pixelBytes) {
    Bytes tile(16 * 16 * pixelBytes);
    for (int top = 0; top < kHeight; top += 16) {
        for (int left = 0; left < kWidth; left += 16) {
            std::fill(tile.begin(), tile.end(), 0);
            for (int y = top; y < std::min(top + 16, kHeight); ++y) {
                for (int x = left; x < std::min(left + 16, kWidth); ++x) {
                    std::copy_n(&rows[y][x * pixelBytes], pixelBytes,
                                &tile[((y - top) * 16 + x - left) * pixelBytes]);
                }
            }
            TIFFWriteTile(tiff, tile.data(), left, top, 0, 0);
        }
    }
}

class TiffRead : public testing::TestWithParam<TiffCase> {};

TEST_P(TiffRead, GivesEveryPixel) {
    const TiffCase& c = GetParam();
    TempDir dir;
    TestImage expected;
    const std::vector<Bytes> rows = makeRows(c, expected);
    TIFF* tiff = TIFFOpen(dir.file("in.tif").c_str(), "w");
    ASSERT_TRUE(tiff);
    setFields(tiff, c);
    if (c.tiled) {
        writeTiles(tiff, rows, rows[0].size() / kWidth);
    } else {
        for (int y = 0; y < kHeight; ++y) {
            TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(rows[y].data()), y, 0);
        }
    }
    TIFFClose(tiff);
    TestImage read;
    ASSERT_TRUE(readThroughModule(dir.file("in.tif"), read));
    EXPECT_EQ(read, expected);
}

INSTANTIATE_TEST_SUITE_P(Tiff, TiffRead, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TiffCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

} // namespace
