// _Pic_Valid judges a file by its content, never by its name.
#include "module.h"
#include "testbmp.h"
#include "testgif.h"
#include "testjpeg.h"
#include "testpng.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <turbojpeg.h>

namespace {

enum class Content { Jpeg, Bmp, Png, Gif, Pnm, Tga, Text, Empty, BmpHeaderOnly, JpegMagicOnly };

Bytes contentOf(Content content) {
    switch (content) {
    case Content::Jpeg:
        return encodeJpeg(quadrants(16, 8), TJSAMP_420);
    case Content::Bmp:
        return encodeBmp(manyColours(5, 3), kBgr24, false);
    case Content::Png:
        return encodePng({1, 1, PNG_COLOR_TYPE_GRAY, 8, false, {{7}}, {}, {}, -1});
    case Content::Gif:
        return encodeGif(2, 1, {{1, 2, 3}}, {{0, 0, 2, 1, false, {}, -1, {0, 0}}});
    case Content::Pnm:
        return {'P', '2', ' ', '1', ' ', '1', ' ', '9', ' ', '3'};
    case Content::Tga:
        return {0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 8, 0, 99};
    case Content::Text:
        return {'h', 'e', 'l', 'l', 'o', '\n'};
    case Content::Empty:
        return {};
    case Content::BmpHeaderOnly: {
        Bytes bmp = encodeBmp(manyColours(5, 3), kBgr24, false);
        bmp.resize(20);
        return bmp;
    }
    case Content::JpegMagicOnly:
        return {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0x00};
    }
    return {};
}

struct ValidCase {
    const char* name;
    Content content;
    int valid;
};

const ValidCase kCases[] = {
    {"photo.bmp", Content::Jpeg, 1},         {"grab.jpg", Content::Bmp, 1},
    {"picture.jpg", Content::Png, 1},        {"still.png", Content::Gif, 1},
    {"grey.txt", Content::Pnm, 1},           {"grab.bmp", Content::Tga, 1},
    {"no-extension", Content::Bmp, 1},       {"notes.jpg", Content::Text, 0},
    {"empty.bmp", Content::Empty, 0},        {"cut.bmp", Content::BmpHeaderOnly, 0},
    {"fake.jpg", Content::JpegMagicOnly, 0},
};

TEST(Valid, JudgesByContent) {
    TempDir dir;
    for (const ValidCase& c : kCases) {
        SCOPED_TRACE(c.name);
        writeBytes(dir.file(c.name), contentOf(c.content));
        EXPECT_EQ(quorpix().valid(dir.file(c.name).c_str()) & 0xFF, c.valid);
    }
}

TEST(Valid, RefusesWhatIsNotARegularFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("folder.bmp"));
    ASSERT_EQ(mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);
    for (const char* name : {"missing.bmp", "folder.bmp", "pipe.jpg"}) {
        SCOPED_TRACE(name);
        // A FIFO with no writer must not block the call.
        EXPECT_EQ(quorpix().valid(dir.file(name).c_str()) & 0xFF, 0);
        EXPECT_EQ(
            quorpix().anyToBmp(dir.file(name).c_str(), dir.file("out.bmp").c_str(), nullptr, 0, 0) &
                0xFF,
            0);
    }
    EXPECT_FALSE(exists(dir.file("out.bmp")));
}

} // namespace
