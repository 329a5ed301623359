// Every format the module writes reads back as the picture that went in.
#include "module.h"
#include "moduleread.h"

#include <gtest/gtest.h>

namespace {

struct WriteCase {
    const char* name;
    int format;
    int quality;
    double tolerance; // mean difference allowed; 0 for lossless writes
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

const WriteCase kWrites[] = {
    {"BMP", kBmpCode, 80, 0},     {"JPEG", kJpegCode, 95, 4}, {"PNG", 3, 80, 0}, {"TIFF", 4, 80, 0},
    {"WebP lossless", 5, 100, 0}, {"WebP lossy", 5, 90, 10},  {"PPM", 6, 80, 0}, {"TGA", 7, 80, 0},
};

class RoundTrip : public testing::TestWithParam<WriteCase> {};

TEST_P(RoundTrip, ReadsBackWhatWasWritten) {
    const WriteCase& c = GetParam();
    TempDir dir;
    // Lossy formats get flat areas they can keep; lossless ones pixels that all differ.
    const TestImage image = c.tolerance > 0 ? quadrants(37, 23) : manyColours(37, 23);
    for (const bool topDown : {false, true}) {
        SCOPED_TRACE(topDown ? "top-down source" : "bottom-up source");
        writeBytes(dir.file("in.bmp"), encodeBmp(image, kBgr24, topDown));
        ASSERT_EQ(quorpix().bmpToAny(dir.file("in.bmp").c_str(), dir.file("out").c_str(), nullptr,
                                     c.format, c.quality) &
                      0xFF,
                  1);
        TestImage written;
        ASSERT_TRUE(readThroughModule(dir.file("out"), written));
        ASSERT_EQ(written.width, image.width);
        ASSERT_EQ(written.height, image.height);
        if (c.tolerance == 0) {
            EXPECT_EQ(written, image);
        } else {
            EXPECT_LT(meanDifference(written, image), c.tolerance);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::ValuesIn(kWrites),
                         [](const testing::TestParamInfo<WriteCase>& info) {
                             std::string name = info.param.name;
                             std::erase(name, ' ');
                             return name;
                         });

TEST(RoundTrip, GreyConversionWritesGreyInEveryFormat) {
    TempDir dir;
    writeBytes(dir.file("in.bmp"), encodeBmp(manyColours(9, 5), kBgr24, false));
    for (const WriteCase& c : kWrites) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(quorpix().convert(dir.file("in.bmp").c_str(), dir.file("grey").c_str(), nullptr,
                                    0, 0, c.format, c.quality) &
                      0xFF,
                  1);
        TestImage grey;
        ASSERT_TRUE(readGreyThroughModule(dir.file("grey"), grey));
        EXPECT_TRUE(isGrey(grey));
    }
}

} // namespace
