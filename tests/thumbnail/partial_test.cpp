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
    TThumbnail thumb;
    expectGrabNotShown(thumb);
    EXPECT_EQ(conversionsAsked(), 0);
}

TEST(QuorpixPartial, ListingWithNoFormatsAndNoSaveList) {
    TGfxDialog dialog;
    EXPECT_EQ(dialog.OpenDialog->Filter, "Entry zero|*.zero|All Files|*.*");
    EXPECT_TRUE(dialog.SaveDialog->Filter.isEmpty());
}
