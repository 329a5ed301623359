#include "testbmp.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::size_t kFileHeader = 14;
constexpr std::uint8_t kJunk = 0xCC;
constexpr std::uint32_t kUnusedBits = 0x5A5A5A5A;

std::size_t rowPitch(int width, int bitsPerPixel) {
    return (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

std::vector<Rgb> paletteOf(const TestImage& image) {
    std::vector<Rgb> palette;
    for (const Rgb& colour : image.pixels) {
        if (std::find(palette.begin(), palette.end(), colour) == palette.end()) {
            palette.push_back(colour);
        }
    }
    return palette;
}

// Packs a colour into a 16- or 32-bit word by the layout's masks (each at most 8 bits).
std::uint32_t packWord(const Rgb& colour, const BmpLayout& layout) {
    const std::uint8_t levels[3] = {colour.r, colour.g, colour.b};
    std::uint32_t word = 0, used = 0;
    for (int c = 0; c < 3; ++c) {
        const std::uint32_t mask = layout.masks[c];
        word |= (std::uint32_t{levels[c]} >> (8 - std::popcount(mask))) << std::countr_zero(mask);
        used |= mask;
    }
    return word | (kUnusedBits & ~used);
}

// Writes pixel x of a row; indices of fewer than 8 bits go into their bits of the byte, the
// leftmost pixel in the top bits, leaving the junk around them.
void putPixel(std::uint8_t* row, int x, const Rgb& colour, const BmpLayout& layout,
              const std::vector<Rgb>& palette) {
    const int bits = layout.bitsPerPixel;
    std::uint8_t* out = row + x * bits / 8;
    if (bits <= 8) {
        const auto index =
            static_cast<int>(std::find(palette.begin(), palette.end(), colour) - palette.begin());
        const int shift = 8 - bits * (x % (8 / bits) + 1);
        const int mask = ((1 << bits) - 1) << shift;
        *out = static_cast<std::uint8_t>((*out & ~mask) | index << shift);
        return;
    }
    switch (bits) {
    case 24:
        out[0] = colour.b;
        out[1] = colour.g;
        out[2] = colour.r;
        break;
    default:
        for (int i = 0; i < layout.bitsPerPixel / 8; ++i) {
            out[i] = static_cast<std::uint8_t>(packWord(colour, layout) >> (8 * i));
        }
    }
}

} // namespace

void put16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    put16(bytes, at, static_cast<std::uint16_t>(value));
    put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::uint32_t get32(const Bytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

Bytes encodeBmp(const TestImage& image, const BmpLayout& layout, bool topDown) {
    const std::vector<Rgb> palette =
        layout.bitsPerPixel <= 8 ? paletteOf(image) : std::vector<Rgb>{};
    const bool masksAfterHeader = layout.compression == 3 && layout.infoSize == 40;
    const std::size_t paletteAt = kFileHeader + layout.infoSize + (masksAfterHeader ? 12 : 0);
    const std::size_t pixelsAt = paletteAt + 4 * palette.size();
    const std::size_t pitch = rowPitch(image.width, layout.bitsPerPixel);
    Bytes file(pixelsAt + pitch * image.height, kJunk);
    std::fill(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(pixelsAt), 0);
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, static_cast<std::uint32_t>(file.size()));
    put32(file, bmpfield::kPixelOffset, static_cast<std::uint32_t>(pixelsAt));
    put32(file, bmpfield::kInfoSize, static_cast<std::uint32_t>(layout.infoSize));
    put32(file, bmpfield::kWidth, static_cast<std::uint32_t>(image.width));
    put32(file, bmpfield::kHeight,
          static_cast<std::uint32_t>(topDown ? -image.height : image.height));
    put16(file, 26, 1); // planes
    put16(file, bmpfield::kBitsPerPixel, static_cast<std::uint16_t>(layout.bitsPerPixel));
    put32(file, bmpfield::kCompression, layout.compression);
    put32(file, bmpfield::kColoursUsed, static_cast<std::uint32_t>(palette.size()));
    if (layout.compression == 3) {
        for (int c = 0; c < 3; ++c) {
            put32(file, bmpfield::kMasks + 4 * c, layout.masks[c]);
        }
    }
    for (std::size_t i = 0; i < palette.size(); ++i) {
        file[paletteAt + 4 * i] = palette[i].b;
        file[paletteAt + 4 * i + 1] = palette[i].g;
        file[paletteAt + 4 * i + 2] = palette[i].r;
    }
    for (int row = 0; row < image.height; ++row) {
        const int y = topDown ? row : image.height - 1 - row;
        std::uint8_t* out = &file[pixelsAt + pitch * row];
        for (int x = 0; x < image.width; ++x) {
            putPixel(out, x, image.at(x, y), layout, palette);
        }
    }
    return file;
}

testing::AssertionResult readWrittenBmp(const Bytes& file, TestImage& image) {
    if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') {
        return testing::AssertionFailure() << "not a BMP (" << file.size() << " bytes)";
    }
    const auto width = static_cast<int>(get32(file, bmpfield::kWidth));
    const auto height = static_cast<int>(get32(file, bmpfield::kHeight));
    const int bits = static_cast<int>(get32(file, bmpfield::kBitsPerPixel) & 0xFFFF);
    const std::size_t pitch = rowPitch(width, bits);
    if (get32(file, bmpfield::kInfoSize) != 40 || get32(file, bmpfield::kPixelOffset) != 54 ||
        (bits != 24 && bits != 32) || get32(file, bmpfield::kCompression) != 0 || width <= 0 ||
        height <= 0 || file.size() != 54 + pitch * height || get32(file, 2) != file.size() ||
        get32(file, 34) != pitch * height) {
        return testing::AssertionFailure() << "headers are not those of a bottom-up BMP";
    }
    image = TestImage{width, height, std::vector<Rgb>(static_cast<std::size_t>(width) * height)};
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* in = file.data() + 54 + pitch * row;
        for (int x = 0; x < width; ++x, in += bits / 8) {
            image.pixels[static_cast<std::size_t>(height - 1 - row) * width + x] = {in[2], in[1],
                                                                                    in[0]};
        }
        if (std::any_of(in, file.data() + 54 + pitch * (row + 1),
                        [](std::uint8_t b) { return b; })) {
            return testing::AssertionFailure() << "row " << row << " has non-zero padding";
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult readWrittenBmp(const std::string& path, TestImage& image) {
    if (!exists(path)) {
        return testing::AssertionFailure() << path << " was not written";
    }
    return readWrittenBmp(readBytes(path), image);
}
