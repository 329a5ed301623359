// JPEG as cameras and print programs write them: progressive, CMYK, turned by EXIF.
#include "moduleread.h"
#include "testjpeg.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

namespace {

constexpr Rgb kRed{220, 30, 30}, kGreen{30, 200, 40}, kBlue{30, 40, 210}, kYellow{230, 220, 40};

TEST(JpegRead, ProgressiveFilesAreRead) {
    TempDir dir;
    const Bytes jpeg = encodeProgressiveJpeg(manyColours(37, 21));
    TestImage read, reference;
    ASSERT_TRUE(readBytesThroughModule(dir, jpeg, read));
    ASSERT_TRUE(decodeJpeg(jpeg, reference));
    EXPECT_EQ(read, reference);
}

TEST(JpegRead, CmykShowsItsColours) {
    TempDir dir;
    const TestImage image = quadrants(32, 16);
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, encodeCmykJpeg(image), read));
    ASSERT_EQ(read.width, 32);
    ASSERT_EQ(read.height, 16);
    EXPECT_LT(meanDifference(read, image), 4.0);
}

// The picture's corners as shown, for the quadrants picture stored 32 x 16.
struct Turned {
    int orientation;
    bool bigEndian;
    int width, height;
    Rgb topLeft, topRight, bottomLeft, bottomRight;
};

const Turned kTurns[] = {
    {1, false, 32, 16, kRed, kGreen, kBlue, kYellow},
    {2, false, 32, 16, kGreen, kRed, kYellow, kBlue}, // mirrored left to right
    {3, true, 32, 16, kYellow, kBlue, kGreen, kRed},  // turned half round
    {4, false, 32, 16, kBlue, kYellow, kRed, kGreen}, // mirrored top to bottom
    {5, false, 16, 32, kRed, kBlue, kGreen, kYellow}, // mirrored along the diagonal
    {6, true, 16, 32, kBlue, kRed, kYellow, kGreen},  // turned a quarter clockwise
    {7, false, 16, 32, kYellow, kGreen, kBlue, kRed}, // mirrored along the other diagonal
    {8, false, 16, 32, kGreen, kYellow, kRed, kBlue}, // turned a quarter anticlockwise
    {9, false, 32, 16, kRed, kGreen, kBlue, kYellow}, // not an orientation: as stored
};

void expectNear(const Rgb& actual, const Rgb& expected, const char* corner) {
    EXPECT_NEAR(actual.r, expected.r, 12) << corner;
    EXPECT_NEAR(actual.g, expected.g, 12) << corner;
    EXPECT_NEAR(actual.b, expected.b, 12) << corner;
}

TEST(JpegRead, ExifOrientationTurnsThePictureUpright) {
    TempDir dir;
    const Bytes jpeg = encodeJpeg(quadrants(32, 16), TJSAMP_444);
    for (const Turned& turn : kTurns) {
        SCOPED_TRACE(turn.orientation);
        TestImage read;
        ASSERT_TRUE(readBytesThroughModule(
            dir, withExifOrientation(jpeg, turn.orientation, turn.bigEndian), read));
        ASSERT_EQ(read.width, turn.width);
        ASSERT_EQ(read.height, turn.height);
        expectNear(read.at(2, 2), turn.topLeft, "top left");
        expectNear(read.at(read.width - 3, 2), turn.topRight, "top right");
        expectNear(read.at(2, read.height - 3), turn.bottomLeft, "bottom left");
        expectNear(read.at(read.width - 3, read.height - 3), turn.bottomRight, "bottom right");
    }
}

TEST(JpegRead, DamagedExifIsIgnored) {
    TempDir dir;
    Bytes jpeg = withExifOrientation(encodeJpeg(quadrants(32, 16), TJSAMP_444), 6, false);
    jpeg[17] = 0xF0; // the first directory's offset now points far past the segment
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, jpeg, read));
    EXPECT_EQ(read.width, 32);
    expectNear(read.at(2, 2), kRed, "top left");
}

} // namespace
