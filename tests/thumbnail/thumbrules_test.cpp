// The thumbnail's fit, scale, cache-name, label and frame rules.
#include "shortlabel.h"
#include "thumbrules.h"

#include <gtest/gtest.h>

TEST(ThumbnailFit, LargerSideBecomesTheSquareSide) {
    struct Case {
        QSize picture;
        int side;
        QSize size;
        QPoint place;
    };
    const Case cases[] = {
        {{400, 300}, 240, {240, 180}, {4, 34}}, {{300, 400}, 240, {180, 240}, {34, 4}},
        {{20, 10}, 80, {80, 40}, {4, 24}},     // small pictures are enlarged
        {{200, 600}, 240, {79, 240}, {84, 4}}, // extended precision: 79, not 80
        {{1, 1000}, 240, {0, 240}, {124, 4}},  // too narrow: the copy keeps its own width
        {{240, 240}, 240, {240, 240}, {4, 4}},
    };
    for (const Case& c : cases) {
        const ThumbnailFit fit = fitThumbnail(c.picture, c.side);
        EXPECT_EQ(fit.size, c.size) << c.picture.width() << "x" << c.picture.height();
        EXPECT_EQ(fit.place, c.place) << c.picture.width() << "x" << c.picture.height();
    }
}

TEST(ThumbnailRules, JpegScaleByBitmapSizeRenderAndFullSize) {
    struct Case {
        int side;
        bool render, fullSize;
        int scale;
    };
    const Case cases[] = {{240, false, false, 1}, {101, false, false, 1}, {100, false, false, 2},
                          {80, false, false, 2},  {79, false, false, 3},  {40, true, false, 2},
                          {240, true, true, 0},   {79, false, true, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(thumbnailJpegScale(c.side, c.render, c.fullSize), c.scale) << c.side;
}

TEST(ThumbnailRules, CacheNames) {
    struct Case {
        const char* file;
        const char* cacheDirectory;
        const char* expected;
    };
    const Case cases[] = {
        {"/shots/grab_001.jpg", "", "/shots/grab_001._tm"},
        {"/shots/grab_001.jpg", "/cache/", "/cache/shotsgrab_001._tm"},
        {"/shots/grab_001.jpg", "/cache", "/cacheshotsgrab_001._tm"}, // a verbatim prefix
        {"/grab_001.jpg", "/cache/", "/cache/grab_001._tm"},          // the root has no name
        {"/a.b/README", "", "/a.b/README._tm"},
        {"/x/photo.tar.gz", "", "/x/photo.tar._tm"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(thumbnailCacheName(c.file, c.cacheDirectory).toStdString(), c.expected)
            << c.file << " with " << c.cacheDirectory;
}

TEST(ThumbnailRules, LabelShortening) {
    const auto oneEach = [](const QString& text) { return static_cast<int>(text.size()); };
    struct Case {
        const char* label;
        int maxWidth;
        const char* shown;
    };
    const Case cases[] = {
        {"grab_000.jpg", 12, "grab_000.jpg"},
        {"grab_000.jpg", 8, "grab_0.."},
        {"abcdef", 5, "abc.."},
        {"abcdef", 3, "abc"}, // four or fewer: no dots
        {"abcdef", -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shortenedLabel(c.label, c.maxWidth, oneEach).toStdString(), c.shown)
            << c.label << " in " << c.maxWidth;
}

TEST(ThumbnailRules, FrameColours) {
    EXPECT_EQ(thumbnailFrameColours(true, false).topLeft, cl3DLight);
    EXPECT_EQ(thumbnailFrameColours(true, false).bottomRight, cl3DDkShadow);
    EXPECT_EQ(thumbnailFrameColours(true, true).topLeft, cl3DDkShadow);
    EXPECT_EQ(thumbnailFrameColours(true, true).bottomRight, cl3DLight);
    EXPECT_FALSE(thumbnailFrameColours(false, false).topLeft.has_value());
    EXPECT_FALSE(thumbnailFrameColours(false, false).bottomRight.has_value());
    EXPECT_EQ(thumbnailFrameColours(false, true).topLeft, cl3DDkShadow);
    EXPECT_EQ(thumbnailFrameColours(false, true).bottomRight, cl3DDkShadow);
}
