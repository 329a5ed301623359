// The graphics dialog with the real module: filters, conversions and the dialogs themselves.
#include "apperror.h"
#include "dialogdriver.h"
#include "gfxdlg.h"
#include "testfolder.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {
class GfxDialogTest : public testing::Test {
protected:
    QString file(const QString& name) const { return pictures.filePath(name); }
    QString pictureFile(const QString& name) {
        solidPicture(64, 48, qRgb(30, 140, 220)).save(file(name));
        return file(name);
    }

    TempFolderScope temp;
    QTemporaryDir pictures;
    TGfxDialog dialog;
};

} // namespace

TEST_F(GfxDialogTest, StartsWithItsDefaults) {
    EXPECT_EQ(dialog.PhotoCDSize, TGfxDialog::p768x512);
    EXPECT_EQ(dialog.JpegSize, TGfxDialog::jsFull);
    EXPECT_EQ(dialog.JpegQuality, 80);
    EXPECT_FALSE(dialog.AutoFlush());
    EXPECT_TRUE(dialog.TempFileName.isEmpty());
    EXPECT_EQ(dialog.SaveFilterIndex(), 1);
    EXPECT_EQ(dialog.LoadFilterIndex(), 1);
    EXPECT_EQ(dialog.SaveDialog->DefaultExt, "bmp");
    EXPECT_TRUE(dialog.SaveDialog->HideReadOnly);
}

TEST_F(GfxDialogTest, FiltersComeFromTheModule) {
    const QStringList open = dialog.OpenDialog->Filter.split('|');
    ASSERT_GE(open.size(), 6);
    EXPECT_EQ(open[0], "All supported pictures");
    EXPECT_TRUE(open[1].contains("*.bmp") && open[1].contains("*.jpg"));
    EXPECT_EQ(open[2], "Windows Bitmap (.bmp)");
    EXPECT_EQ(open.mid(open.size() - 2), QStringList({"All Files", "*.*"}));
    const QStringList save = dialog.SaveDialog->Filter.split('|');
    ASSERT_GE(save.size(), 4);
    EXPECT_TRUE(save[1].contains("*.bmp"));
    EXPECT_TRUE(save[3].contains("*.jpg")) << "JPEG must be format code 2";
    EXPECT_TRUE(dialog.isLibraryLoaded()) << "without AutoFlush the module stays loaded";
}

TEST_F(GfxDialogTest, IndexedAccessorsReachTheirDialogsOnly) {
    EXPECT_EQ(dialog.GetPathText(0), "");
    EXPECT_EQ(dialog.GetPathText(5), "");
    dialog.SetPathText(5, "/nowhere");
    for (int index = 1; index <= 4; ++index)
        EXPECT_EQ(dialog.GetPathText(index), "") << index;
    dialog.setSaveDirectory("/s");
    dialog.setLoadFileName("/l/x.bmp");
    EXPECT_EQ(dialog.SaveDialog->InitialDir, "/s");
    EXPECT_EQ(dialog.OpenDialog->FileName, "/l/x.bmp");
    dialog.setSaveFilterIndex(3);
    EXPECT_EQ(dialog.SaveDialog->FilterIndex, 3);
    EXPECT_EQ(dialog.OpenDialog->FilterIndex, 1);
}

TEST_F(GfxDialogTest, ConvertFileWritesTheChosenFormat) {
    dialog.setAutoFlush(true);
    dialog.setLoadFileName(pictureFile("grab_000.bmp"));
    dialog.setSaveFileName(file("copy.jpg"));
    dialog.setSaveFilterIndex(2);
    EXPECT_TRUE(dialog.ConvertFile());
    QImageReader reader(file("copy.jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(64, 48));
    EXPECT_FALSE(dialog.isLibraryLoaded());

    dialog.setLoadFileName(QString());
    EXPECT_FALSE(dialog.ConvertFile());
}

TEST_F(GfxDialogTest, NamedTempFileGoesAfterSavingWhateverTheResult) {
    dialog.TempFileName = file("GfxTemp.bmp");
    dialog.setSaveFileName(file("out.jpg"));
    dialog.setSaveFilterIndex(2);
    EXPECT_TRUE(dialog.SaveGraphic(solidPicture(16, 16, qRgb(1, 2, 3))));
    EXPECT_FALSE(QFile::exists(dialog.TempFileName));
    dialog.setSaveFilterIndex(99); // no such format: the module refuses
    EXPECT_FALSE(dialog.SaveGraphic(solidPicture(16, 16, qRgb(1, 2, 3))));
    EXPECT_FALSE(QFile::exists(dialog.TempFileName));
}

TEST_F(GfxDialogTest, NamedTempFileGoesAfterLoadingOnlyOnSuccess) {
    dialog.TempFileName = file("GfxTemp.bmp");
    QImage loaded;
    dialog.setLoadFileName(pictureFile("grab.bmp"));
    EXPECT_TRUE(dialog.LoadGraphic(loaded));
    EXPECT_EQ(loaded.size(), QSize(64, 48));
    EXPECT_FALSE(QFile::exists(dialog.TempFileName));

    QFile left(dialog.TempFileName);
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.write("earlier");
    left.close();
    dialog.setLoadFileName(file("missing.bmp"));
    EXPECT_FALSE(dialog.LoadGraphic(loaded));
    EXPECT_TRUE(QFile::exists(dialog.TempFileName));
}

TEST_F(GfxDialogTest, OwnTempFilesNeverOutliveTheCall) {
    QImage loaded;
    dialog.setLoadFileName(pictureFile("grab.bmp"));
    EXPECT_TRUE(dialog.LoadGraphic(loaded));
    dialog.setLoadFileName(file("missing.bmp"));
    EXPECT_FALSE(dialog.LoadGraphic(loaded));
    dialog.setSaveFileName(file("out.jpg"));
    dialog.setSaveFilterIndex(2);
    EXPECT_TRUE(dialog.SaveGraphic(loaded));
    EXPECT_TRUE(temp.entries().isEmpty()) << temp.entries().join(' ').toStdString();
}

TEST_F(GfxDialogTest, CancelledSaveDialogChangesNothing) {
    dialog.setSaveDirectory(pictures.path());
    dialog.setSaveFileName("earlier.jpg");
    whenOpen<QFileDialog>([](QFileDialog* open) { open->reject(); });
    EXPECT_FALSE(dialog.ExecuteSave());
    EXPECT_EQ(dialog.SaveDirectory(), pictures.path());
    EXPECT_EQ(dialog.SaveFileName(), "earlier.jpg");
}

TEST_F(GfxDialogTest, ConfirmedSaveDialogTakesTheFileFormatAndFolder) {
    const QString chosen = file("picked.jpg");
    whenOpen<QFileDialog>([chosen](QFileDialog* open) {
        open->selectNameFilter(open->nameFilters().value(1));
        chooseInFileDialog(open, chosen);
    });
    ASSERT_TRUE(dialog.ExecuteSave());
    EXPECT_EQ(dialog.SaveFileName(), chosen);
    EXPECT_EQ(dialog.SaveFilterIndex(), 2);
    EXPECT_EQ(dialog.SaveDirectory(), pictures.path() + "/");
}

TEST_F(GfxDialogTest, ConfirmedOpenDialogTakesTheFileAndFolder) {
    const QString chosen = pictureFile("grab.bmp");
    whenOpen<QFileDialog>([chosen](QFileDialog* open) { chooseInFileDialog(open, chosen); });
    ASSERT_TRUE(dialog.ExecuteLoad());
    EXPECT_EQ(dialog.LoadFileName(), chosen);
    EXPECT_EQ(dialog.LoadDirectory(), QFileInfo(chosen).path() + "/");
}
