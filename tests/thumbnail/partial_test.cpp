// With a quorpix module that lacks entry points: only what needs them is skipped.
#include "gfxdlg.h"
#include "quorpixlibrary.h"
#include "testfolder.h"
#include "thumb.h"

#include <gtest/gtest.h>

namespace {
int conversionsAsked() {
    QuorpixLibrary library;
    library.load();
    const auto count = library.entry<int (*)()>("partialConversions");
    return count != nullptr ? count() : -1;
}
} // namespace

TEST(QuorpixPartial, ThumbnailWithoutValidityCheckConvertsNothing) {
    TempFolderScope temp;
    QTemporaryDir pictures;
    const QString file = savePicture(pictures, "grab.bmp", solidPicture(20, 20, qRgb(5, 5, 5)));
    TThumbnail thumb;
    thumb.setFileName(file);
    EXPECT_FALSE(thumb.hasPicture());
    EXPECT_EQ(conversionsAsked(), 0);
    EXPECT_TRUE(temp.entries().isEmpty());
}

TEST(QuorpixPartial, ListingWithNoFormatsAndNoSaveList) {
    TGfxDialog dialog;
    EXPECT_EQ(dialog.OpenDialog->Filter, "Entry zero|*.zero|All Files|*.*");
    EXPECT_TRUE(dialog.SaveDialog->Filter.isEmpty());
}
