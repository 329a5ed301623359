// BMP files made by the tests, independently of the module's own reader and writer.
#pragma once

#include "testfiles.h"
#include "testimage.h"

#include <array>
#include <cstddef>
#include <gtest/gtest.h>

// How a test BMP stores its pixels.
struct BmpLayout {
    const char* name;
    int bitsPerPixel;
    std::uint32_t compression;          // 0 BI_RGB, 3 BI_BITFIELDS
    std::array<std::uint32_t, 3> masks; // red, green, blue packing of 16- and 32-bit pixels
    int infoSize;                       // 40, or 108 / 124 for the V4 / V5 headers
    bool eightColoursOnly;              // the depth cannot hold every 8-bit level
};

inline void PrintTo(const BmpLayout& layout, std::ostream* out) {
    *out << layout.name;
}

inline constexpr BmpLayout kBgr24{"24-bit", 24, 0, {}, 40, false};

// Encodes a picture; rows are padded with junk and unused pixel bits set, which readers
// must ignore.
Bytes encodeBmp(const TestImage& image, const BmpLayout& layout, bool topDown);

// Reads a BMP as the module must write it: 24- or 32-bit BI_RGB, bottom-up, 54-byte headers,
// zero padding and exact sizes.
testing::AssertionResult readWrittenBmp(const Bytes& file, TestImage& image);
testing::AssertionResult readWrittenBmp(const std::string& path, TestImage& image);

// Offsets of the header fields the malformed-file tests change.
namespace bmpfield {
inline constexpr std::size_t kPixelOffset = 10;
inline constexpr std::size_t kInfoSize = 14;
inline constexpr std::size_t kWidth = 18;
inline constexpr std::size_t kHeight = 22;
inline constexpr std::size_t kBitsPerPixel = 28;
inline constexpr std::size_t kCompression = 30;
inline constexpr std::size_t kColoursUsed = 46;
inline constexpr std::size_t kMasks = 54;
} // namespace bmpfield

void put16(Bytes& bytes, std::size_t at, std::uint16_t value);
void put32(Bytes& bytes, std::size_t at, std::uint32_t value);
std::uint32_t get32(const Bytes& bytes, std::size_t at);
