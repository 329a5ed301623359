// GIF: the first frame on its logical screen, transparency and uncovered parts white.
#include "moduleread.h"
#include "testgif.h"

#include <gtest/gtest.h>

namespace {

const std::vector<Rgb> kColours = {{200, 30, 90}, {10, 220, 140}, {0, 0, 0}, {90, 90, 250}};
const std::vector<Rgb> kLocalColours = {{1, 2, 3}, {250, 240, 230}};
constexpr Rgb kWhite{255, 255, 255};

GifFrame frameAt(int left, int top, int width, int height, int colourCount) {
    GifFrame frame{left, top, width, height, false, {}, -1, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            frame.indices.push_back(static_cast<std::uint8_t>((x + 3 * y) % colourCount));
        }
    }
    return frame;
}

// What the reader must show: white, with the frame's colours over it.
TestImage expectedScreen(int width, int height, const GifFrame& frame,
                         const std::vector<Rgb>& colours) {
    TestImage image{width, height, std::vector<Rgb>(width * height, kWhite)};
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const int index = frame.indices[y * frame.width + x];
            if (index != frame.transparent) {
                image.pixels[(frame.top + y) * width + frame.left + x] = colours[index];
            }
        }
    }
    return image;
}

struct GifCase {
    const char* name;
    GifFrame frame;
    bool local;
};

GifCase withTransparency() {
    GifFrame frame = frameAt(0, 0, 11, 7, 4);
    frame.transparent = 1;
    return {"transparent index", frame, false};
}

GifCase interlaced() {
    GifFrame frame = frameAt(0, 0, 11, 19, 4);
    frame.interlaced = true;
    return {"interlaced", frame, false};
}

GifCase localMap() {
    GifFrame frame = frameAt(2, 1, 5, 4, 2);
    frame.localColours = kLocalColours;
    return {"local colour map", frame, true};
}

TEST(GifRead, ShowsTheFirstFrame) {
    const GifCase cases[] = {
        {"whole screen", frameAt(0, 0, 11, 7, 4), false},
        {"frame inside the screen", frameAt(3, 2, 6, 4, 4), false},
        withTransparency(),
        interlaced(),
        localMap(),
    };
    TempDir dir;
    for (const GifCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int height = std::max(7, c.frame.top + c.frame.height);
        // A second frame painted all over the screen must not show.
        const GifFrame later = frameAt(0, 0, 11, height, 1);
        TestImage read;
        ASSERT_TRUE(
            readBytesThroughModule(dir, encodeGif(11, height, kColours, {c.frame, later}), read));
        EXPECT_EQ(read, expectedScreen(11, height, c.frame, c.local ? kLocalColours : kColours));
    }
}

TEST(GifRead, FramePastTheScreenWidensThePicture) {
    TempDir dir;
    const GifFrame frame = frameAt(4, 3, 8, 5, 4);
    TestImage read;
    ASSERT_TRUE(readBytesThroughModule(dir, encodeGif(6, 4, kColours, {frame}), read));
    EXPECT_EQ(read, expectedScreen(12, 8, frame, kColours));
}

} // namespace
