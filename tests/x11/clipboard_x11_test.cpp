// The grab writer against a real X server, with xclip owning the clipboard in its own process.
#include "../app/formfixture.h"
#include "NumEdit.h"
#include "folderentries.h"
#include "testpictures.h"
#include "ttimer.h"
#include "xclipowner.h"

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImageReader>
#include <QProcess>
#include <QPushButton>
#include <QTest>

class X11ClipboardTest : public FormFixture {
protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"))
            << "the X11 tests need a display: run them through `make test`, which starts Xvfb";
        ASSERT_EQ(clipboardOwnerWindow(), 0u) << "another client still owns the clipboard";
        FormFixture::SetUp();
        form->NumEdit1->setNumber(100);
    }

    QString pictureFile(int seed, int width = 64, int height = 48) {
        const QString file = QDir(pictures.path()).filePath(QStringLiteral("p%1.png").arg(seed));
        patternPicture(width, height, seed).save(file);
        return file;
    }

    QTemporaryDir pictures;
};

TEST_F(X11ClipboardTest, PictureOfAnotherClientBecomesAJpegGrab) {
    XclipOwner owner(pictureFile(1, 64, 48), "image/png");
    ASSERT_TRUE(owner.waitUntilOwner());
    form->startClick();
    ASSERT_TRUE(owner.waitUntilGone(5000)) << "the clipboard was not emptied";
    EXPECT_EQ(clipboardOwnerWindow(), 0u);
    EXPECT_EQ(folderEntries(storage.path()), QStringList{"grab_000.jpg"});
    QImageReader reader(storagePath("grab_000.jpg"));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(64, 48));
}

TEST_F(X11ClipboardTest, EachPictureIsGrabbedExactlyOnce) {
    constexpr int kPictures = 20;
    form->CheckBox3->setChecked(false);
    form->startClick();
    for (int k = 0; k < kPictures; ++k) {
        XclipOwner owner(pictureFile(k, 16, 8), "image/png");
        ASSERT_TRUE(owner.waitUntilOwner());
        ASSERT_TRUE(owner.waitUntilGone(5000)) << "picture " << k << " was not taken";
    }
    QTest::qWait(500); // time for a duplicate to appear if one were coming
    const QStringList files = folderEntries(storage.path());
    ASSERT_EQ(files.size(), kPictures) << files.join(' ').toStdString();
    for (int k = 0; k < kPictures; ++k) {
        const QString name = QStringLiteral("grab_%1.bmp").arg(k, 3, 10, QLatin1Char('0'));
        const QImage grab(storagePath(name));
        EXPECT_EQ(grab.pixel(5, 3), patternColour(5, 3, k)) << name.toStdString();
    }
}

TEST_F(X11ClipboardTest, TextOfAnotherClientIsLeftAlone) {
    const QString text = QDir(pictures.path()).filePath("note.txt");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("just words");
    file.close();
    XclipOwner owner(text, "UTF8_STRING");
    ASSERT_TRUE(owner.waitUntilOwner());
    form->startClick();
    QTest::qWait(600);
    EXPECT_TRUE(owner.isRunning());
    EXPECT_NE(clipboardOwnerWindow(), 0u);
    EXPECT_TRUE(folderEntries(storage.path()).isEmpty());
}

TEST_F(X11ClipboardTest, StoppedOwnerDoesNotFreezeTheWindow) {
    form->CheckBox3->setChecked(false);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    XclipOwner owner(pictureFile(7), "image/png");
    ASSERT_TRUE(owner.waitUntilOwner());
    owner.pause();
    form->startClick();
    QTest::qWait(300);

    // A real click on Stop, through the X server, must be handled promptly.
    const QPoint centre = form->stop->mapToGlobal(form->stop->rect().center());
    QElapsedTimer clock;
    clock.start();
    QProcess::startDetached("xdotool", {"mousemove", QString::number(centre.x()),
                                        QString::number(centre.y()), "click", "1"});
    while (form->Timer1->Enabled() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_FALSE(form->Timer1->Enabled()) << "the click on Stop was not handled";
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(folderEntries(storage.path()).isEmpty());

    form->startClick();
    owner.resume();
    ASSERT_TRUE(owner.waitUntilGone(5000)) << "the picture was not taken after the owner resumed";
    EXPECT_EQ(folderEntries(storage.path()), QStringList{"grab_000.bmp"});
}
