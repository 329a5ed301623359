// One tick of the grab writer against the in-process clipboard and a real folder.
#include "NumEdit.h"
#include "apperror.h"
#include "filelistbox.h"
#include "folderentries.h"
#include "formfixture.h"
#include "testpictures.h"
#include "ttimer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

namespace {
bool clipboardHasPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data != nullptr && data->hasImage();
}

} // namespace

class GrabTickTest : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->startClick();
    }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }
};

TEST_F(GrabTickTest, WritesTheExactPictureAsBmpAndEmptiesTheClipboard) {
    form->CheckBox3->setChecked(false);
    const QImage picture = patternPicture(37, 21, 3); // odd width: padded BMP rows
    QGuiApplication::clipboard()->setImage(picture);
    form->Timer1Timer();

    EXPECT_EQ(folderEntries(storage.path()), QStringList{"grab_000.bmp"});
    const QImage written(storagePath("grab_000.bmp"));
    ASSERT_EQ(written.size(), picture.size());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            ASSERT_EQ(written.pixel(x, y), picture.pixel(x, y)) << x << "," << y;
    EXPECT_FALSE(clipboardHasPicture());
    EXPECT_EQ(form->GrabCounter, 1);
    ASSERT_EQ(form->FileBox->count(), 1);
    EXPECT_EQ(form->FileBox->item(0)->text(), "grab_000.bmp");
}

TEST_F(GrabTickTest, JpegOptionKeepsOnlyTheJpeg) {
    QGuiApplication::clipboard()->setImage(patternPicture(64, 48));
    form->Timer1Timer();
    EXPECT_EQ(folderEntries(storage.path()), QStringList{"grab_000.jpg"});
    QImageReader reader(storagePath("grab_000.jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(64, 48));
}

TEST_F(GrabTickTest, FailedJpegConversionKeepsTheBmp) {
    form->NumEdit3->setText(""); // a quality still being typed counts 0, which cannot encode
    QGuiApplication::clipboard()->setImage(patternPicture(16, 16));
    form->Timer1Timer();
    EXPECT_EQ(folderEntries(storage.path()), QStringList{"grab_000.bmp"});
    EXPECT_EQ(form->GrabCounter, 1);
}

TEST_F(GrabTickTest, TextOnTheClipboardIsLeftAlone) {
    QGuiApplication::clipboard()->setText("not a picture");
    form->Timer1Timer();
    EXPECT_TRUE(folderEntries(storage.path()).isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "not a picture");
    EXPECT_EQ(form->GrabCounter, 0);
}

TEST_F(GrabTickTest, NumberingWrapsAndFollowsThePrefix) {
    form->CheckBox3->setChecked(false);
    form->GrabCounter = 37;
    form->NumEdit2->setNumber(10); // maximum lowered below the counter
    QGuiApplication::clipboard()->setImage(patternPicture(8, 8, 1));
    form->Timer1Timer();
    form->Edit2->setText("shot");
    QGuiApplication::clipboard()->setImage(patternPicture(8, 8, 2));
    form->Timer1Timer();
    EXPECT_EQ(folderEntries(storage.path()), QStringList({"grab_000.bmp", "shot001.bmp"}));
    EXPECT_EQ(form->GrabCounter, 2);
}

TEST_F(GrabTickTest, TransparentPixelsBecomeWhite) {
    form->CheckBox3->setChecked(false);
    QImage picture(4, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
    QGuiApplication::clipboard()->setImage(picture);
    form->Timer1Timer();
    const QImage written(storagePath("grab_000.bmp"));
    EXPECT_EQ(written.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(written.pixel(3, 1), qRgb(255, 255, 255));
}

TEST_F(GrabTickTest, UnwritableFolderPausesMonitoringAndKeepsThePicture) {
    const QString gone = storagePath("gone");
    ASSERT_TRUE(QDir().mkdir(gone));
    form->DirBox->setDirectory(gone);
    ASSERT_TRUE(QDir(gone).removeRecursively());
    form->GrabCounter = 4;
    QGuiApplication::clipboard()->setImage(patternPicture(8, 8));
    try {
        form->Timer1Timer();
        FAIL() << "a grab into a removed folder must fail";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "Cannot create file " + gone + "/grab_004.bmp");
        EXPECT_FALSE(error.reason().isEmpty());
    }
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_TRUE(form->start->isEnabled());
    EXPECT_FALSE(form->stop->isEnabled());
    EXPECT_TRUE(clipboardHasPicture());
    EXPECT_EQ(form->GrabCounter, 4);
    EXPECT_TRUE(folderEntries(storage.path()).isEmpty());
}
