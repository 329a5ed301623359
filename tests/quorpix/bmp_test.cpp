// Reading every BMP layout we support, checked pixel by pixel through the BMP we write.
#include "moduleread.h"

#include <gtest/gtest.h>

namespace {

const BmpLayout kLayouts[] = {
    kBgr24,
    {"32-bit", 32, 0, {0xFF0000, 0x00FF00, 0x0000FF}, 40, false},
    {"32-bit masks B,G,R,X", 32, 3, {0xFF0000, 0x00FF00, 0x0000FF}, 40, false},
    {"32-bit masks R,G,B,X in a V4 header", 32, 3, {0x0000FF, 0x00FF00, 0xFF0000}, 108, false},
    {"32-bit masks X,B,G,R in a V5 header", 32, 3, {0xFF000000, 0xFF0000, 0xFF00}, 124, false},
    {"8-bit palette", 8, 0, {}, 40, false},
    {"4-bit palette", 4, 0, {}, 40, true},
    {"1-bit palette", 1, 0, {}, 40, true},
    {"16-bit 5-5-5", 16, 0, {0x7C00, 0x03E0, 0x001F}, 40, true},
    {"16-bit masks 5-6-5", 16, 3, {0xF800, 0x07E0, 0x001F}, 40, true},
};

// Widths with every amount of row padding, and a single pixel.
const int kSizes[][2] = {{1, 1}, {5, 3}, {6, 4}, {7, 5}, {64, 2}};

class BmpLayouts : public testing::TestWithParam<BmpLayout> {};

TEST_P(BmpLayouts, ReadBackPixelExact) {
    const BmpLayout& layout = GetParam();
    TempDir dir;
    for (const bool topDown : {false, true}) {
        for (const auto& size : kSizes) {
            SCOPED_TRACE(testing::Message()
                         << (topDown ? "top-down " : "bottom-up ") << size[0] << "x" << size[1]);
            const TestImage image = layout.bitsPerPixel == 1  ? twoColours(size[0], size[1])
                                    : layout.eightColoursOnly ? eightColours(size[0], size[1])
                                                              : manyColours(size[0], size[1]);
            writeBytes(dir.file("in.bmp"), encodeBmp(image, layout, topDown));
            TestImage written;
            ASSERT_TRUE(readThroughModule(dir.file("in.bmp"), written));
            EXPECT_EQ(written, image);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpLayouts, testing::ValuesIn(kLayouts),
                         [](const testing::TestParamInfo<BmpLayout>& info) {
                             return "layout" + std::to_string(info.index);
                         });

TEST(Bmp, LargeFileIsReadWhole) {
    // Past the size where the file is read in two halves at once: both halves must land.
    TempDir dir;
    const TestImage image = manyColours(1800, 1700);
    writeBytes(dir.file("in.bmp"), encodeBmp(image, kBgr24, false));
    TestImage written;
    ASSERT_TRUE(readThroughModule(dir.file("in.bmp"), written));
    EXPECT_EQ(written, image);
}

// Grey output is a 24-bit BMP whose channels are equal.
TestImage greyOf(const TestImage& image) {
    TempDir dir;
    writeBytes(dir.file("in.bmp"), encodeBmp(image, kBgr24, false));
    TestImage written;
    EXPECT_TRUE(readGreyThroughModule(dir.file("in.bmp"), written));
    EXPECT_TRUE(isGrey(written));
    return written;
}

TEST(Grey, KeepsGreyLevels) {
    const TestImage image = greyLevels(9, 7);
    EXPECT_EQ(greyOf(image), image);
}

TEST(Grey, WeighsGreenOverRedOverBlue) {
    const TestImage image{
        5, 1, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {0, 0, 0}, {255, 255, 255}}};
    const TestImage grey = greyOf(image);
    ASSERT_EQ(grey.pixels.size(), 5u);
    EXPECT_GT(grey.at(1, 0).g, grey.at(0, 0).g);
    EXPECT_GT(grey.at(0, 0).g, grey.at(2, 0).g);
    EXPECT_EQ(grey.at(3, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(grey.at(4, 0), (Rgb{255, 255, 255}));
}

} // namespace
