// writeBmp, which the program calls with its clipboard pictures.
#include "bmpwrite.h"
#include "testbmp.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

// Row layouts a caller may hand over; the bytes between rows are junk.
enum class Rows { Tight, Padded, Wide, BottomUp };

struct Memory {
    std::vector<std::uint8_t> bytes;
    quorpix::BgrImageView view;
};

Memory layOut(const TestImage& image, Rows rows, int bytesPerPixel) {
    const std::ptrdiff_t tight = bytesPerPixel * image.width;
    const std::ptrdiff_t pitch = rows == Rows::Tight  ? tight
                                 : rows == Rows::Wide ? tight + 13
                                                      : (tight + 3) / 4 * 4;
    Memory memory{std::vector<std::uint8_t>(pitch * image.height, 0xEE), {}};
    for (int y = 0; y < image.height; ++y) {
        const int stored = rows == Rows::BottomUp ? image.height - 1 - y : y;
        for (int x = 0; x < image.width; ++x) {
            std::uint8_t* pixel = &memory.bytes[stored * pitch + bytesPerPixel * x];
            pixel[0] = image.at(x, y).b;
            pixel[1] = image.at(x, y).g;
            pixel[2] = image.at(x, y).r;
        }
    }
    const bool up = rows == Rows::BottomUp;
    memory.view = {image.width, image.height, up ? -pitch : pitch,
                   memory.bytes.data() + (up ? (image.height - 1) * pitch : 0), bytesPerPixel};
    return memory;
}

TEST(WriteBmp, WritesEveryRowLayoutExactly) {
    TempDir dir;
    for (const int bytesPerPixel : {3, 4})
        for (const Rows rows : {Rows::Tight, Rows::Padded, Rows::Wide, Rows::BottomUp}) {
            for (const int width : {1, 2, 3, 4, 13}) {
                SCOPED_TRACE(testing::Message() << bytesPerPixel << " bytes a pixel, rows "
                                                << static_cast<int>(rows) << " width " << width);
                const TestImage image = manyColours(width, 5);
                const Memory memory = layOut(image, rows, bytesPerPixel);
                std::string error;
                ASSERT_TRUE(quorpix::writeBmp(dir.file("grab.bmp"), memory.view, &error)) << error;
                TestImage written;
                ASSERT_TRUE(readWrittenBmp(dir.file("grab.bmp"), written));
                EXPECT_EQ(written, image);
                EXPECT_EQ(dir.names(), std::set<std::string>{"grab.bmp"});
            }
        }
}

TEST(WriteBmp, RefusesPicturesItCannotWrite) {
    TempDir dir;
    const std::uint8_t pixels[64] = {};
    const quorpix::BgrImageView views[] = {
        {0, 1, 3, pixels},  {1, 0, 3, pixels},     {-1, 1, 3, pixels},   {2, 1, 5, pixels},
        {1, 1, 3, nullptr}, {16385, 1, 0, pixels}, {2, 1, 7, pixels, 4}, {1, 1, 4, pixels, 2},
    };
    for (const auto& view : views) {
        SCOPED_TRACE(testing::Message()
                     << view.width << "x" << view.height << " stride " << view.stride);
        std::string error;
        EXPECT_FALSE(quorpix::writeBmp(dir.file("grab.bmp"), view, &error));
        EXPECT_FALSE(error.empty());
    }
    EXPECT_TRUE(dir.names().empty());
}

TEST(WriteBmp, ReportsWhyTheFileCannotBeMade) {
    TempDir dir;
    const std::uint8_t pixels[3] = {1, 2, 3};
    std::string error;
    EXPECT_FALSE(quorpix::writeBmp(dir.file("missing/grab.bmp"), {1, 1, 3, pixels}, &error));
    EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;
}

} // namespace
