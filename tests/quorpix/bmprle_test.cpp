// Run-length coded BMPs (RLE8, RLE4) and the old OS/2 header, from hand-written bytes.
#include "module.h"
#include "moduleread.h"

#include <gtest/gtest.h>

namespace {

const std::vector<Rgb> kPalette = {{200, 30, 90}, {10, 220, 140}, {90, 90, 250}, {250, 200, 0}};
constexpr Rgb kBlack{0, 0, 0};

struct RawBmp {
    int infoSize; // 40, or 12 for the OS/2 header
    int width;
    int height;
    int bits;
    int compression;
    Bytes pixels;
};

// Headers, the colour table (3-byte entries after the OS/2 header) and the pixels as given.
Bytes buildBmp(const RawBmp& raw) {
    const int entryBytes = raw.infoSize == 12 ? 3 : 4;
    const auto paletteSize = raw.bits <= 8 ? kPalette.size() : 0;
    const std::size_t pixelOffset = 14 + raw.infoSize + entryBytes * paletteSize;
    Bytes file(pixelOffset, 0);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, bmpfield::kPixelOffset, static_cast<std::uint32_t>(pixelOffset));
    put32(file, bmpfield::kInfoSize, static_cast<std::uint32_t>(raw.infoSize));
    if (raw.infoSize == 12) {
        put16(file, 18, static_cast<std::uint16_t>(raw.width));
        put16(file, 20, static_cast<std::uint16_t>(raw.height));
        put16(file, 22, 1);
        put16(file, 24, static_cast<std::uint16_t>(raw.bits));
    } else {
        put32(file, bmpfield::kWidth, static_cast<std::uint32_t>(raw.width));
        put32(file, bmpfield::kHeight, static_cast<std::uint32_t>(raw.height));
        put16(file, 26, 1);
        put16(file, bmpfield::kBitsPerPixel, static_cast<std::uint16_t>(raw.bits));
        put32(file, bmpfield::kCompression, static_cast<std::uint32_t>(raw.compression));
        put32(file, bmpfield::kColoursUsed, static_cast<std::uint32_t>(paletteSize));
    }
    for (std::size_t i = 0; i < paletteSize; ++i) {
        std::uint8_t* entry = &file[14 + raw.infoSize + entryBytes * i];
        entry[0] = kPalette[i].b;
        entry[1] = kPalette[i].g;
        entry[2] = kPalette[i].r;
    }
    file.insert(file.end(), raw.pixels.begin(), raw.pixels.end());
    put32(file, 2, static_cast<std::uint32_t>(file.size()));
    return file;
}

struct BmpCase {
    const char* name;
    RawBmp raw;
    TestImage expected; // top row first
};

TEST(BmpRead, RunLengthAndOs2Files) {
    const Rgb c0 = kPalette[0], c1 = kPalette[1], c2 = kPalette[2], c3 = kPalette[3];
    const BmpCase cases[] = {
        {"RLE8: runs, a padded literal, a delta, rows left short",
         {40, 4, 3, 8, 1, {3, 2, 1, 3, 0, 0,       // bottom row: three of 2, one of 3, end of line
                           0, 3, 1, 2, 3, 0, 0, 0, // literal 1,2,3 padded to 16 bits, end of line
                           0, 2, 1, 0, 2, 0, 0, 1}}, // one to the right, two of 0, end of picture
         {4, 3, {kBlack, c0, c0, kBlack, c1, c2, c3, kBlack, c2, c2, c2, c3}}},
        {"RLE4: alternating run, odd literal",
         {40,
          5,
          2,
          4,
          2,
          {5, 0x12, 0, 0,                     // bottom row: 1,2,1,2,1
           0, 3, 0x30, 0x12, 2, 0x21, 0, 1}}, // literal 3,0,1 then 2,1
         {5, 2, {c3, c0, c1, c2, c1, c1, c2, c1, c2, c1}}},
        {"OS/2 header, 8-bit",
         {12, 3, 2, 8, 0, {0, 1, 2, 0, 3, 3, 3, 0}},
         {3, 2, {c3, c3, c3, c0, c1, c2}}},
        {"OS/2 header, 24-bit",
         {12, 1, 2, 24, 0, {1, 2, 3, 0, 4, 5, 6, 0}},
         {1, 2, {{6, 5, 4}, {3, 2, 1}}}},
    };
    TempDir dir;
    for (const BmpCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestImage read;
        ASSERT_TRUE(readBytesThroughModule(dir, buildBmp(c.raw), read));
        EXPECT_EQ(read, c.expected);
    }
}

TEST(BmpRead, DamagedRunLengthStreamsAreRefused) {
    const struct {
        const char* name;
        int bits;
        int compression;
        Bytes pixels;
    } cases[] = {
        {"run past the row", 8, 1, {5, 1, 0, 1}},
        {"literal past the row", 8, 1, {0, 5, 1, 1, 1, 1, 1, 0, 0, 1}},
        {"delta past the picture", 8, 1, {0, 2, 0, 9, 0, 1}},
        {"rows past the picture", 8, 1, {0, 0, 0, 0, 0, 0, 1, 1, 0, 1}},
        {"no end of picture", 8, 1, {4, 1, 0, 0}},
        {"literal cut short", 8, 1, {0, 4, 1, 2}},
        {"index past the colour table", 8, 1, {1, 9, 0, 1}},
        {"RLE4 run past the row", 4, 2, {5, 0x11, 0, 1}},
        {"RLE4 index past the colour table", 4, 2, {2, 0x1F, 0, 1}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(dir.file("bad.bmp"), buildBmp({40, 4, 2, c.bits, c.compression, c.pixels}));
        EXPECT_EQ(quorpix().anyToBmp(dir.file("bad.bmp").c_str(), dir.file("out.bmp").c_str(),
                                     nullptr, 0, 0) &
                      0xFF,
                  0);
        EXPECT_FALSE(exists(dir.file("out.bmp")));
    }
}

TEST(BmpRead, RunLengthPicturesCannotBeTopDown) {
    TempDir dir;
    writeBytes(dir.file("bad.bmp"), buildBmp({40, 4, -1, 8, 1, {4, 1, 0, 1}}));
    EXPECT_EQ(quorpix().valid(dir.file("bad.bmp").c_str()) & 0xFF, 0);
}

} // namespace
