// BMP to JPEG, the conversion every grab goes through, and JPEG reading at each scale.
#include "module.h"
#include "moduleread.h"
#include "testjpeg.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

namespace {

int bmpToJpeg(const TempDir& dir, const Bytes& bmp, int quality) {
    writeBytes(dir.file("grab.bmp"), bmp);
    return quorpix().bmpToAny(dir.file("grab.bmp").c_str(), dir.file("grab.jpg").c_str(), nullptr,
                              kJpegCode, quality) &
           0xFF;
}

struct Sampling {
    int quality;
    int subsampling;
};

const Sampling kSamplings[] = {
    {1, TJSAMP_420}, {50, TJSAMP_420}, {89, TJSAMP_420}, {90, TJSAMP_444}, {100, TJSAMP_444},
};

TEST(BmpToJpeg, SamplingFollowsQuality) {
    TempDir dir;
    const Bytes bmp = encodeBmp(quadrants(37, 23), kBgr24, false);
    for (const Sampling& sampling : kSamplings) {
        SCOPED_TRACE(sampling.quality);
        ASSERT_EQ(bmpToJpeg(dir, bmp, sampling.quality), 1);
        JpegFacts facts;
        ASSERT_TRUE(readJpegFacts(readBytes(dir.file("grab.jpg")), facts));
        EXPECT_EQ(facts.width, 37);
        EXPECT_EQ(facts.height, 23);
        EXPECT_EQ(facts.subsampling, sampling.subsampling);
    }
}

// The layouts handed to TurboJPEG as they lie in the file, and some decoded first.
const BmpLayout kJpegSources[] = {
    kBgr24,
    {"32-bit", 32, 0, {0xFF0000, 0x00FF00, 0x0000FF}, 40, false},
    {"32-bit masks R,G,B,X", 32, 3, {0x0000FF, 0x00FF00, 0xFF0000}, 40, false},
    {"32-bit masks X,B,G,R", 32, 3, {0xFF000000, 0xFF0000, 0xFF00}, 124, false},
    {"8-bit palette", 8, 0, {}, 40, false},
};

TEST(BmpToJpeg, KeepsThePictureOfEveryLayout) {
    TempDir dir;
    const TestImage image = quadrants(37, 23);
    for (const BmpLayout& layout : kJpegSources) {
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << layout.name << (topDown ? " top-down" : " bottom-up"));
            ASSERT_EQ(bmpToJpeg(dir, encodeBmp(image, layout, topDown), 95), 1);
            TestImage decoded;
            ASSERT_TRUE(decodeJpeg(readBytes(dir.file("grab.jpg")), decoded));
            ASSERT_EQ(decoded.width, image.width);
            ASSERT_EQ(decoded.height, image.height);
            EXPECT_LT(meanDifference(decoded, image), 4.0);
        }
    }
}

TEST(BmpToJpeg, RefusesBadQualityAndFormatWithoutWriting) {
    TempDir dir;
    writeBytes(dir.file("grab.bmp"), encodeBmp(quadrants(8, 8), kBgr24, false));
    // Code 8 is GIF, which is read but never written.
    const int cases[][2] = {{kJpegCode, 0}, {kJpegCode, 101}, {kJpegCode, -1}, {0, 90},
                            {8, 90},        {9, 90},          {-1, 90}};
    for (const auto& [format, quality] : cases) {
        SCOPED_TRACE(testing::Message() << "format " << format << " quality " << quality);
        EXPECT_EQ(quorpix().bmpToAny(dir.file("grab.bmp").c_str(), dir.file("grab.jpg").c_str(),
                                     nullptr, format, quality) &
                      0xFF,
                  0);
        EXPECT_EQ(dir.names(), std::set<std::string>{"grab.bmp"});
    }
}

TEST(BmpToJpeg, TakesOnlyBmpSources) {
    TempDir dir;
    writeBytes(dir.file("photo.bmp"), encodeJpeg(quadrants(16, 16), TJSAMP_444));
    EXPECT_EQ(quorpix().bmpToAny(dir.file("photo.bmp").c_str(), dir.file("out.jpg").c_str(),
                                 nullptr, kJpegCode, 90) &
                  0xFF,
              0);
    EXPECT_FALSE(exists(dir.file("out.jpg")));
}

// Odd sizes, so each scale has to round its result up.
constexpr int kJpegWidth = 101;
constexpr int kJpegHeight = 37;

TEST(JpegToBmp, ScaleCodesShrinkByPowersOfTwo) {
    TempDir dir;
    const Bytes jpeg = encodeJpeg(quadrants(kJpegWidth, kJpegHeight), TJSAMP_444);
    writeBytes(dir.file("photo.jpg"), jpeg);
    for (int scale = 0; scale <= 3; ++scale) {
        SCOPED_TRACE(scale);
        const int divisor = 1 << scale;
        TestImage written;
        ASSERT_TRUE(readThroughModule(dir.file("photo.jpg"), written, scale));
        EXPECT_EQ(written.width, (kJpegWidth + divisor - 1) / divisor);
        EXPECT_EQ(written.height, (kJpegHeight + divisor - 1) / divisor);
        TestImage reference;
        ASSERT_TRUE(decodeJpeg(jpeg, reference, divisor));
        EXPECT_EQ(written, reference);
    }
}

TEST(JpegToBmp, RefusesUnknownScaleCodes) {
    TempDir dir;
    writeBytes(dir.file("photo.jpg"), encodeJpeg(quadrants(16, 16), TJSAMP_444));
    for (const int scale : {-1, 4, 100}) {
        SCOPED_TRACE(scale);
        EXPECT_EQ(quorpix().anyToBmp(dir.file("photo.jpg").c_str(), dir.file("out.bmp").c_str(),
                                     nullptr, 0, scale) &
                      0xFF,
                  0);
        EXPECT_FALSE(exists(dir.file("out.bmp")));
    }
}

TEST(JpegToBmp, ReadsGreyJpegs) {
    TempDir dir;
    const TestImage image = greyLevels(24, 16);
    writeBytes(dir.file("grey.jpg"), encodeJpeg(image, TJSAMP_GRAY));
    TestImage written;
    ASSERT_TRUE(readThroughModule(dir.file("grey.jpg"), written));
    EXPECT_TRUE(isGrey(written));
    EXPECT_LT(meanDifference(written, image), 4.0);
}

struct ConvertCase {
    const char* name;
    bool jpegSource;
    int scale;
    int format;
    int width, height; // of the result
};

const ConvertCase kConversions[] = {
    {"JPEG to half-size BMP", true, 1, kBmpCode, 51, 19},
    {"JPEG to quarter-size JPEG", true, 2, kJpegCode, 26, 10},
    {"BMP to JPEG", false, 0, kJpegCode, kJpegWidth, kJpegHeight},
    {"BMP to BMP, scale ignored", false, 3, kBmpCode, kJpegWidth, kJpegHeight},
};

TEST(Convert, WritesTheChosenFormatAtTheChosenScale) {
    TempDir dir;
    const TestImage image = quadrants(kJpegWidth, kJpegHeight);
    writeBytes(dir.file("in.jpg"), encodeJpeg(image, TJSAMP_444));
    writeBytes(dir.file("in.bmp"), encodeBmp(image, kBgr24, false));
    for (const ConvertCase& c : kConversions) {
        SCOPED_TRACE(c.name);
        const std::string source = dir.file(c.jpegSource ? "in.jpg" : "in.bmp");
        const std::string out = dir.file("out");
        ASSERT_EQ(
            quorpix().convert(source.c_str(), out.c_str(), nullptr, 0, c.scale, c.format, 90) &
                0xFF,
            1);
        TestImage written;
        if (c.format == kBmpCode) {
            ASSERT_TRUE(readWrittenBmp(out, written));
        } else {
            ASSERT_TRUE(decodeJpeg(readBytes(out), written));
        }
        EXPECT_EQ(written.width, c.width);
        EXPECT_EQ(written.height, c.height);
        // Loose: the quadrants blur at small scales, but a flipped picture is far off.
        EXPECT_LT(meanDifference(written, quadrants(c.width, c.height)), 30.0);
    }
}

} // namespace
