// Truevision TGA: every image type, pixel depth and origin we read.
#include "moduleread.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 7;
constexpr int kHeight = 5;

const std::vector<Rgb> kMap = {{200, 30, 90}, {10, 220, 140}, {0, 0, 0}, {90, 90, 248}};

struct TgaCase {
    const char* name;
    int type;       // 1..3, or 9..11 run-length coded
    int bits;       // of a pixel
    int descriptor; // alpha bits, right-to-left (0x10), top row first (0x20)
};

void PrintTo(const TgaCase& c, std::ostream* out) {
    *out << c.name;
}

const TgaCase kCases[] = {
    {"24-bit, bottom row first", 2, 24, 0},
    {"24-bit, top row first", 2, 24, 0x20},
    {"24-bit, right to left", 2, 24, 0x10},
    {"32-bit with alpha", 2, 32, 0x08},
    {"32-bit, fourth byte unused", 2, 32, 0x20},
    {"16-bit", 2, 16, 0},
    {"colour-mapped", 1, 8, 0},
    {"grey", 3, 8, 0x20},
    {"run-length 24-bit", 10, 24, 0},
    {"run-length 32-bit with alpha", 10, 32, 0x28},
    {"run-length colour-mapped", 9, 8, 0x20},
    {"run-length grey", 11, 8, 0},
};

// Along the file's pixel order, runs of four that cross from one row into the next, then
// stretches of differing pixels.
int runIndex(int x, int y) {
    const int at = y * kWidth + x;
    return at % 12 < 4 ? at / 12 % 4 : at % 4;
}

// The stored bytes of pixel (x, y) and the colour the reader must give for it.
Bytes storedPixel(const TgaCase& c, int x, int y, Rgb& expected) {
    const int index = runIndex(x, y);
    const Rgb colour = kMap[index];
    const int kind = c.type > 8 ? c.type - 8 : c.type;
    if (kind == 1) {
        expected = colour;
        return {static_cast<std::uint8_t>(index + 2)}; // the map starts at entry 2
    }
    if (kind == 3) {
        expected = {colour.g, colour.g, colour.g};
        return {colour.g};
    }
    if (c.bits == 16) {
        const auto five = [](int level) { return level >> 3; };
        const int word = five(colour.r) << 10 | five(colour.g) << 5 | five(colour.b);
        const auto widen = [](int level) {
            return static_cast<std::uint8_t>((level & 0xF8) | level >> 5);
        };
        expected = {widen(colour.r), widen(colour.g), widen(colour.b)};
        return {static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8)};
    }
    const auto alpha = static_cast<std::uint8_t>(index * 80);
    const bool usesAlpha = c.bits == 32 && (c.descriptor & 0x0F) == 8;
    expected = usesAlpha ? onWhite(colour, alpha) : colour;
    Bytes bytes = {colour.b, colour.g, colour.r};
    if (c.bits == 32) {
        bytes.push_back(alpha);
    }
    return bytes;
}

// Run-length packets: repeats of two or more pixels, raw stretches in between, at most 128
// pixels each.
Bytes encodeRuns(const std::vector<Bytes>& pixels) {
    Bytes out;
    std::vector<Bytes> raw;
    const auto flushRaw = [&] {
        if (!raw.empty()) {
            out.push_back(static_cast<std::uint8_t>(raw.size() - 1));
            for (const Bytes& pixel : raw) {
                out.insert(out.end(), pixel.begin(), pixel.end());
            }
            raw.clear();
        }
    };
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t same = 1;
        while (i + same < pixels.size() && same < 128 && pixels[i + same] == pixels[i]) {
            ++same;
        }
        if (same < 2) {
            raw.push_back(pixels[i++]);
            continue;
        }
        flushRaw();
        out.push_back(static_cast<std::uint8_t>(0x80 | (same - 1)));
        out.insert(out.end(), pixels[i].begin(), pixels[i].end());
        i += same;
    }
    flushRaw();
    return out;
}

Bytes makeTga(const TgaCase& c, TestImage& expected) {
    const bool mapped = c.type == 1 || c.type == 9;
    Bytes file = {3,
                  static_cast<std::uint8_t>(mapped),
                  static_cast<std::uint8_t>(c.type),
                  2,
                  0,
                  static_cast<std::uint8_t>(mapped ? kMap.size() : 0),
                  0,
                  static_cast<std::uint8_t>(mapped ? 24 : 0),
                  0,
                  0,
                  0,
                  0,
                  kWidth,
                  0,
                  kHeight,
                  0,
                  static_cast<std::uint8_t>(c.bits),
                  static_cast<std::uint8_t>(c.descriptor)};
    file.insert(file.end(), {'i', 'd', '!'});
    for (std::size_t i = 0; mapped && i < kMap.size(); ++i) {
        file.insert(file.end(), {kMap[i].b, kMap[i].g, kMap[i].r});
    }
    expected = TestImage{kWidth, kHeight, std::vector<Rgb>(kWidth * kHeight)};
    std::vector<Bytes> pixels;
    for (int row = 0; row < kHeight; ++row) {
        const int y = c.descriptor & 0x20 ? row : kHeight - 1 - row;
        for (int column = 0; column < kWidth; ++column) {
            const int x = c.descriptor & 0x10 ? kWidth - 1 - column : column;
            pixels.push_back(storedPixel(c, column, row, expected.pixels[y * kWidth + x]));
        }
    }
    const Bytes data = c.type > 8 ? encodeRuns(pixels) : [&] {
        Bytes plain;
        for (const Bytes& pixel : pixels) {
            plain.insert(plain.end(), pixel.begin(), pixel.end());
        }
        return plain;
    }();
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

class TgaRead : public testing::TestWithParam<TgaCase> {};

TEST_P(TgaRead, GivesEveryPixel) {
    TempDir dir;
    TestImage expected;
    const Bytes file = makeTga(GetParam(), expected);
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, file, read));
    EXPECT_EQ(read, expected);
}

INSTANTIATE_TEST_SUITE_P(Tga, TgaRead, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TgaCase>& info) {
                             return "case" + std::to_string(info.index);
                         });

// Found by fuzzing: a picture without a colour map whose map fields hold junk.
TEST(TgaRead, MapFieldsWithoutAMapAreIgnored) {
    TempDir dir;
    TestImage expected;
    Bytes file = makeTga(kCases[0], expected);
    for (const std::size_t field : {3, 4, 5, 6, 7}) {
        file[field] = 0xE7;
    }
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, file, read));
    EXPECT_EQ(read, expected);
}

} // namespace
