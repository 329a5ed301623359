// With no quorpix module to be found: nothing is converted, nothing is left behind, and the
// thumbnail's cache still works, since a cache hit needs no module.
#include "gfxdlg.h"
#include "testfolder.h"
#include "thumb.h"

#include <gtest/gtest.h>

TEST(QuorpixAbsent, ThumbnailStaysEmptyAndMakesNoTemporaryFile) {
    TThumbnail thumb;
    expectGrabNotShown(thumb);
    EXPECT_FALSE(thumb.WasCached());
}

TEST(QuorpixAbsent, CacheHitNeedsNoModule) {
    QTemporaryDir pictures;
    solidPicture(80, 40, qRgb(9, 8, 7)).save(pictures.filePath("grab._tm"), "BMP");
    TThumbnail thumb;
    thumb.setUseCache(true);
    thumb.setFileName(pictures.filePath("grab.jpg"));
    EXPECT_TRUE(thumb.WasCached());
    EXPECT_TRUE(thumb.hasPicture());
    EXPECT_EQ(thumb.picturePosition(), QPoint(4, 24));
}

TEST(QuorpixAbsent, DialogHasNoFiltersAndConvertsNothing) {
    TGfxDialog dialog;
    EXPECT_TRUE(dialog.OpenLibrary());
    EXPECT_TRUE(dialog.OpenDialog->Filter.isEmpty());
    EXPECT_TRUE(dialog.SaveDialog->Filter.isEmpty());
    QImage picture = solidPicture(4, 4, qRgb(1, 1, 1));
    EXPECT_FALSE(dialog.ConvertFile());
    EXPECT_FALSE(dialog.LoadGraphic(picture));
    EXPECT_FALSE(dialog.SaveGraphic(picture));
}
