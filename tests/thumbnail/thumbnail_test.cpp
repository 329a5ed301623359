// The thumbnail control with the real module: loading, cache, rendering and what it draws.
#include "apperror.h"
#include "tcolor.h"
#include "testfolder.h"
#include "thumb.h"

#include <QDir>
#include <QFile>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
// Drawn pixels may differ from the palette's colour by rounding in the backing store.
testing::AssertionResult looksLike(QRgb drawn, const QColor& expected) {
    const QColor seen(drawn);
    const bool close = std::abs(seen.red() - expected.red()) <= 2 &&
                       std::abs(seen.green() - expected.green()) <= 2 &&
                       std::abs(seen.blue() - expected.blue()) <= 2;
    if (close)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "drawn " << seen.name().toStdString() << ", expected "
                                       << expected.name().toStdString();
}

class ThumbnailTest : public testing::Test {
protected:
    QString picture(const QString& name, const QImage& image) {
        return savePicture(pictures, name, image);
    }

    TempFolderScope temp;
    QTemporaryDir pictures;
    TThumbnail thumb;
};
} // namespace

TEST_F(ThumbnailTest, SizesFollowBitmapSizeAndLabel) {
    EXPECT_EQ(thumb.geometry(), QRect(-120, -120, 88, 100));
    EXPECT_EQ(thumb.BitmapSize(), 80);
    EXPECT_TRUE(thumb.ShowLabel());
    EXPECT_TRUE(thumb.Border());
    thumb.setShowLabel(false);
    thumb.setBitmapSize(240);
    EXPECT_EQ(thumb.size(), QSize(248, 248));
}

TEST_F(ThumbnailTest, PictureIsFittedAndPlaced) {
    thumb.setBitmapSize(240);
    thumb.setFileName(picture("wide.bmp", solidPicture(400, 300, qRgb(200, 10, 10))));
    ASSERT_TRUE(thumb.hasPicture());
    EXPECT_EQ(thumb.displayBitmap().size(), QSize(240, 180));
    EXPECT_EQ(thumb.picturePosition(), QPoint(4, 34));
    EXPECT_TRUE(temp.entries().isEmpty()) << "the temporary bitmap must be gone";

    thumb.setFileName(picture("tall.jpg", solidPicture(300, 400, qRgb(10, 200, 10))));
    EXPECT_EQ(thumb.displayBitmap().size(), QSize(180, 240));
    EXPECT_EQ(thumb.picturePosition(), QPoint(34, 4));
}

TEST_F(ThumbnailTest, UnreadableFileLeavesItEmptyWithoutMessage) {
    const QString text = pictures.filePath("notes.bmp");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    thumb.setFileName(text);
    EXPECT_FALSE(thumb.hasPicture());
    EXPECT_TRUE(temp.entries().isEmpty());
    thumb.setFileName(QString());
    EXPECT_FALSE(thumb.hasPicture());
}

TEST_F(ThumbnailTest, PictureInTheTempFolderIsNeverItsOwnTemporaryFile) {
    // Named exactly as a fixed temporary name would be: it must survive the load intact.
    const QString inTemp = QDir(temp.path()).filePath("grab_001.bmp");
    solidPicture(30, 20, qRgb(1, 2, 3)).save(inTemp);
    const QByteArray before = [&] {
        QFile f(inTemp);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    thumb.setFileName(inTemp);
    EXPECT_TRUE(thumb.hasPicture());
    QFile after(inTemp);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), before);
    EXPECT_EQ(temp.entries(), QStringList{"grab_001.bmp"});
}

TEST_F(ThumbnailTest, CacheIsWrittenThenHitAndRebuiltAtANewSize) {
    thumb.setUseCache(true);
    const QString file = picture("grab_007.jpg", solidPicture(400, 300, qRgb(0, 0, 250)));
    thumb.setFileName(file);
    EXPECT_FALSE(thumb.WasCached());
    const QString cache = pictures.filePath("grab_007._tm");
    ASSERT_TRUE(QFile::exists(cache));
    EXPECT_EQ(QImage(cache, "BMP").size(), QSize(80, 60));

    thumb.setFileName(QString());
    thumb.setFileName(file);
    EXPECT_TRUE(thumb.WasCached());
    EXPECT_EQ(thumb.displayBitmap().size(), QSize(80, 60));

    thumb.setBitmapSize(120);
    EXPECT_EQ(QImage(cache, "BMP").size(), QSize(120, 90));
    thumb.DeleteCacheFile();
    EXPECT_FALSE(QFile::exists(cache));
}

TEST_F(ThumbnailTest, CacheFileThatIsNoBitmapIsAnError) {
    thumb.setUseCache(true);
    const QString file = picture("grab_008.bmp", solidPicture(10, 10, qRgb(9, 9, 9)));
    QFile cache(pictures.filePath("grab_008._tm"));
    ASSERT_TRUE(cache.open(QIODevice::WriteOnly));
    cache.write("garbage");
    cache.close();
    EXPECT_THROW(thumb.setFileName(file), AppError);
}

TEST_F(ThumbnailTest, RenderToFileWritesTheRequestedSizeAndKeepsTheDisplay) {
    thumb.setBitmapSize(240);
    thumb.setFileName(picture("grab.bmp", solidPicture(400, 300, qRgb(50, 60, 70))));
    const QString rendered = pictures.filePath("render.bmp");
    thumb.RenderToFile(rendered, 120);
    EXPECT_EQ(QImage(rendered).size(), QSize(120, 90));
    EXPECT_EQ(thumb.displayBitmap().size(), QSize(240, 180));
}

TEST_F(ThumbnailTest, SaveThumbnailWritesTheShownPictureToAGivenFileOrTheCache) {
    thumb.setUseCache(true);
    thumb.setFileName(picture("grab_009.bmp", solidPicture(400, 300, qRgb(30, 140, 200))));
    const QString saved = pictures.filePath("saved.bmp");
    thumb.SaveThumbnail(saved);
    const QImage written(saved, "BMP");
    EXPECT_EQ(written.size(), QSize(80, 60));
    EXPECT_EQ(written.pixel(40, 30), qRgb(30, 140, 200));

    const QString cache = pictures.filePath("grab_009._tm");
    thumb.DeleteCacheFile();
    thumb.SaveThumbnail(QString());
    EXPECT_EQ(QImage(cache, "BMP").size(), QSize(80, 60));
}

TEST_F(ThumbnailTest, GreyscaleGivesGreyPixels) {
    thumb.Greyscale = true;
    thumb.setFileName(picture("red.bmp", solidPicture(40, 40, qRgb(255, 0, 0))));
    const QRgb pixel = thumb.displayBitmap().pixel(10, 10);
    EXPECT_EQ(qRed(pixel), qGreen(pixel));
    EXPECT_EQ(qGreen(pixel), qBlue(pixel));
}

TEST_F(ThumbnailTest, DrawsFrameAndPicture) {
    QWidget parent;
    TThumbnail shown(&parent);
    shown.setGeometry(0, 0, 88, 100);
    shown.setFileName(picture("blue.bmp", solidPicture(80, 40, qRgb(0, 0, 255))));
    const QImage drawn = shown.grab().toImage();
    const QColor light = resolveColor(cl3DLight, shown.palette());
    const QColor dark = resolveColor(cl3DDkShadow, shown.palette());
    EXPECT_TRUE(looksLike(drawn.pixel(0, 0), light));
    EXPECT_TRUE(looksLike(drawn.pixel(0, 99), light));
    EXPECT_TRUE(looksLike(drawn.pixel(87, 99), dark));
    EXPECT_TRUE(looksLike(drawn.pixel(87, 0), dark));
    EXPECT_EQ(shown.picturePosition(), QPoint(4, 24));
    EXPECT_TRUE(looksLike(drawn.pixel(40, 40), QColor(0, 0, 255)));
    EXPECT_FALSE(looksLike(drawn.pixel(40, 10), QColor(0, 0, 255))); // above the picture

    shown.setDown(true);
    const QImage pressed = shown.grab().toImage();
    EXPECT_TRUE(looksLike(pressed.pixel(0, 0), dark));
    EXPECT_TRUE(looksLike(pressed.pixel(87, 99), light));
}
