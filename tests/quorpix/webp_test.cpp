// WebP made by libwebp: lossless with transparency read exactly, lossy close.
#include "moduleread.h"

#include <gtest/gtest.h>
#include <webp/encode.h>

namespace {

Bytes encodeWebp(const std::vector<std::uint8_t>& rgba, int width, int height, bool lossless) {
    std::uint8_t* out = nullptr;
    const std::size_t size =
        lossless ? WebPEncodeLosslessRGBA(rgba.data(), width, height, 4 * width, &out)
                 : WebPEncodeRGBA(rgba.data(), width, height, 4 * width, 95, &out);
    Bytes file(out, out + size);
    WebPFree(out);
    return file;
}

TEST(WebpRead, LosslessTransparencyLiesOnWhite) {
    const TestImage colours = manyColours(19, 11);
    std::vector<std::uint8_t> rgba;
    TestImage expected{19, 11, {}};
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 19; ++x) {
            const Rgb colour = colours.at(x, y);
            const int alpha = (x * 40 + y * 60) % 256;
            rgba.insert(rgba.end(),
                        {colour.r, colour.g, colour.b, static_cast<std::uint8_t>(alpha)});
            // libwebp keeps no colour under fully transparent pixels.
            expected.pixels.push_back(alpha == 0 ? Rgb{255, 255, 255} : onWhite(colour, alpha));
        }
    }
    TempDir dir;
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, encodeWebp(rgba, 19, 11, true), read));
    EXPECT_EQ(read, expected);
}

TEST(WebpRead, LossyIsClose) {
    const TestImage image = quadrants(40, 24);
    std::vector<std::uint8_t> rgba;
    for (const Rgb& colour : image.pixels) {
        rgba.insert(rgba.end(), {colour.r, colour.g, colour.b, 255});
    }
    TempDir dir;
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, encodeWebp(rgba, 40, 24, false), read));
    ASSERT_EQ(read.width, 40);
    ASSERT_EQ(read.height, 24);
    EXPECT_LT(meanDifference(read, image), 6.0);
}

} // namespace
