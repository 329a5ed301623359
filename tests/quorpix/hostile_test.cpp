// Damaged and hostile files of every format but BMP (which has its own table): the module
// refuses each with 0 and writes nothing.
#include "casename.h"
#include "module.h"
#include "testbmp.h"
#include "testgif.h"
#include "testjpeg.h"
#include "testpng.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>
#include <webp/encode.h>
#include <zlib.h>

namespace {

Bytes text(const std::string& content) {
    return Bytes(content.begin(), content.end());
}

Bytes cut(Bytes file, std::size_t keep) {
    file.resize(std::min(keep, file.size()));
    return file;
}

void putBe32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
    }
}

// --- PNG

Bytes rgbPng(int width, int height) {
    PngLayout layout{width, height, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, {}, -1};
    for (int y = 0; y < height; ++y) {
        layout.rows.push_back(Bytes(3 * width, static_cast<std::uint8_t>(y * 9)));
    }
    return encodePng(layout);
}

// A PNG whose header claims another size, with the header's checksum made right again.
Bytes pngClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes file = rgbPng(4, 4);
    putBe32(file, 16, width);
    putBe32(file, 20, height);
    putBe32(file, 29, static_cast<std::uint32_t>(crc32(0, &file[12], 17)));
    return file;
}

Bytes pngIndexPastPalette() {
    PngLayout layout{4,  1, PNG_COLOR_TYPE_PALETTE, 2, false, {{0x00, 0x01, 0x02}, {0, 0, 0}}, {},
                     {}, -1};
    layout.palette = {{1, 2, 3}, {4, 5, 6}};
    layout.rows = {{0x1B}}; // indices 0, 1, 2, 3
    return encodePng(layout);
}

// --- GIF

const std::vector<Rgb> kFourColours = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};

Bytes fourColourGif() {
    GifFrame frame{0, 0, 4, 2, false, {}, -1, {0, 1, 2, 3, 3, 2, 1, 0}};
    return encodeGif(4, 2, kFourColours, {frame});
}

// The colour map cut to two entries while the pixels still use four.
Bytes gifIndexPastMap() {
    Bytes file = fourColourGif();
    file[10] = static_cast<std::uint8_t>(file[10] & ~0x07);
    file.erase(file.begin() + 13 + 6, file.begin() + 13 + 12);
    return file;
}

Bytes gifScreen(std::uint16_t width, std::uint16_t height) {
    Bytes file = fourColourGif();
    put16(file, 6, width);
    put16(file, 8, height);
    return file;
}

// --- TIFF: a small uncompressed one built by hand, so each field can be set at will.

Bytes tinyTiff(std::uint32_t width, std::uint32_t height, std::uint32_t stripOffset) {
    Bytes file = {'I', 'I', 42, 0, 8, 0, 0, 0, 9, 0};
    const std::uint32_t entries[][3] = {{256, 4, width}, {257, 4, height}, {258, 3, 8},
                                        {259, 3, 1},     {262, 3, 2},      {273, 4, stripOffset},
                                        {277, 3, 3},     {278, 4, height}, {279, 4, 12}};
    for (const auto& [tag, type, value] : entries) {
        Bytes entry(12, 0);
        put16(entry, 0, static_cast<std::uint16_t>(tag));
        put16(entry, 2, static_cast<std::uint16_t>(type));
        put32(entry, 4, 1);
        put32(entry, 8, value);
        file.insert(file.end(), entry.begin(), entry.end());
    }
    file.insert(file.end(), 4, 0); // no next directory
    file.insert(file.end(), 12, 0x80);
    return file;
}

constexpr std::uint32_t kTinyTiffPixels = 8 + 2 + 9 * 12 + 4;

// --- WebP

Bytes losslessWebp() {
    const std::vector<std::uint8_t> rgba(4 * 8 * 8, 0x7F);
    std::uint8_t* out = nullptr;
    const std::size_t size = WebPEncodeLosslessRGBA(rgba.data(), 8, 8, 32, &out);
    Bytes file(out, out + size);
    WebPFree(out);
    return file;
}

// A lossless WebP whose header claims 16384 x 16384 pixels.
Bytes webpClaimingMaximum() {
    Bytes file = losslessWebp();
    const std::uint32_t sizeBits = 0x3FFF | 0x3FFFu << 14;
    put32(file, 21, (get32(file, 21) & ~0x0FFFFFFFu) | sizeBits);
    return file;
}

Bytes damagedWebp() {
    Bytes file = losslessWebp();
    for (std::size_t i = 25; i < file.size(); ++i) {
        file[i] ^= 0x5A;
    }
    return file;
}

// --- TGA

Bytes tga(std::uint8_t type, std::uint16_t width, std::uint16_t height, std::uint8_t bits,
          const Bytes& body, std::uint8_t mapLength = 0) {
    Bytes file = {0,    static_cast<std::uint8_t>(mapLength ? 1 : 0),
                  type, 0,
                  0,    mapLength,
                  0,    static_cast<std::uint8_t>(mapLength ? 24 : 0),
                  0,    0,
                  0,    0,
                  0,    0,
                  0,    0,
                  bits, 0};
    put16(file, 12, width);
    put16(file, 14, height);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// --- JPEG

Bytes jpegClaiming(std::uint16_t width, std::uint16_t height) {
    Bytes file = encodeJpeg(quadrants(16, 16), TJSAMP_444);
    for (std::size_t i = 2; i + 9 < file.size(); ++i) {
        if (file[i] == 0xFF && file[i + 1] == 0xC0) { // baseline frame header
            file[i + 5] = static_cast<std::uint8_t>(height >> 8);
            file[i + 6] = static_cast<std::uint8_t>(height);
            file[i + 7] = static_cast<std::uint8_t>(width >> 8);
            file[i + 8] = static_cast<std::uint8_t>(width);
            break;
        }
    }
    return file;
}

struct Hostile {
    const char* name;
    Bytes (*make)();
};

void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.name;
}

const Hostile kHostiles[] = {
    {"PNG cut short", [] { return cut(rgbPng(32, 32), 60); }},
    {"PNG header checksum wrong",
     [] {
         Bytes file = rgbPng(4, 4);
         file[29] ^= 0xFF;
         return file;
     }},
    {"PNG of zero width", [] { return pngClaiming(0, 4); }},
    {"PNG past the size cap", [] { return pngClaiming(100000, 100000); }},
    {"PNG past the byte budget", [] { return pngClaiming(16384, 16384); }},
    {"PNG claiming more pixels than it holds", [] { return pngClaiming(400, 400); }},
    {"PNG palette index past the palette", pngIndexPastPalette},
    {"GIF cut short", [] { return cut(fourColourGif(), 30); }},
    {"GIF colour index past the map", gifIndexPastMap},
    {"GIF screen past the byte budget", [] { return gifScreen(65535, 65535); }},
    {"GIF without a picture", [] { return text("GIF89a\x04\x00\x04\x00\x00\x00\x00;"); }},
    {"TIFF cut short", [] { return cut(tinyTiff(2, 2, kTinyTiffPixels), 40); }},
    {"TIFF of zero width", [] { return tinyTiff(0, 2, kTinyTiffPixels); }},
    {"TIFF past the size cap", [] { return tinyTiff(100000, 100000, kTinyTiffPixels); }},
    {"TIFF strip past the end", [] { return tinyTiff(2, 2, 5000); }},
    {"TIFF directory past the end",
     [] {
         Bytes file = tinyTiff(2, 2, kTinyTiffPixels);
         put32(file, 4, 100000);
         return file;
     }},
    {"WebP cut short", [] { return cut(losslessWebp(), 24); }},
    {"WebP past the byte budget", webpClaimingMaximum},
    {"WebP with damaged data", damagedWebp},
    {"PNM of maximum 0", [] { return text("P2 1 1 0 0"); }},
    {"PNM value above the maximum", [] { return text("P3 1 1 100 1 2 101"); }},
    {"PNM 16-bit value above the maximum", [] { return text("P5 1 1 1000\n\xFF\xFF"); }},
    {"PNM raw data cut short", [] { return text("P6 2 2 255\nabcdefghi"); }},
    {"PNM of zero width", [] { return text("P5 0 2 255\n"); }},
    {"PNM past the size cap", [] { return text("P6 100000 100000 255\n"); }},
    {"PNM with a negative size", [] { return text("P6 -3 2 255\nabcdefghijklmnopqr"); }},
    {"PNM plain data cut short", [] { return text("P2 3 3 255 1 2 3"); }},
    {"TGA run past the picture",
     [] {
         return tga(10, 2, 2, 24, {0x84, 1, 2, 3});
     }},
    {"TGA runs ending early",
     [] {
         return tga(10, 4, 4, 24, {0x81, 1, 2, 3});
     }},
    {"TGA pixels cut short", [] { return tga(2, 4, 4, 24, Bytes(40, 7)); }},
    {"TGA index outside the colour map",
     [] {
         return tga(1, 2, 1, 8, {1, 2, 3, 4, 5, 6, 0, 5}, 2);
     }},
    {"TGA of zero width", [] { return tga(2, 0, 4, 24, Bytes(48, 7)); }},
    {"TGA colour-mapped without a map",
     [] {
         return tga(1, 2, 1, 8, {0, 0});
     }},
    {"JPEG cut short",
     [] {
         const Bytes file = encodeJpeg(manyColours(64, 64), TJSAMP_420);
         return cut(file, file.size() / 2);
     }},
    {"JPEG past the size cap", [] { return jpegClaiming(60000, 60000); }},
    {"JPEG of zero width", [] { return jpegClaiming(0, 16); }},
};

class Hostiles : public testing::TestWithParam<Hostile> {};

TEST_P(Hostiles, AreRefusedWithoutWritingAnything) {
    const QuorpixModule& q = quorpix();
    TempDir dir;
    const std::string bad = dir.file("bad");
    writeBytes(bad, GetParam().make());
    EXPECT_EQ(q.anyToBmp(bad.c_str(), dir.file("out.bmp").c_str(), nullptr, 0, 0) & 0xFF, 0);
    EXPECT_EQ(q.convert(bad.c_str(), dir.file("out.png").c_str(), nullptr, 0, 3, 3, 80) & 0xFF, 0);
    EXPECT_EQ(dir.names(), std::set<std::string>{"bad"});
}

INSTANTIATE_TEST_SUITE_P(Formats, Hostiles, testing::ValuesIn(kHostiles), caseName<Hostile>);

} // namespace
