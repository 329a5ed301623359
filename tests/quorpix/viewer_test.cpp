// _WinImageShow: the picture full-screen on black, modal through a local loop, closed by a
// key or a click; nothing shown for a file that cannot be read.
#include "module.h"
#include "testbmp.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

QWidget* openViewer() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == "quorpixViewer" && widget->isVisible()) {
            return widget;
        }
    }
    return nullptr;
}

// What the test saw of the viewer while _WinImageShow was running.
struct Seen {
    bool window = false;
    bool fullScreen = false;
    QImage shown;
    int ticksWhileOpen = 0;
};

// Runs _WinImageShow on path; while it runs, the caller's timer ticks, and once the viewer
// is up, close(viewer) is called on it.
int showAndClose(const std::string& path, const std::function<void(QWidget*)>& close, Seen& seen) {
    int ticks = 0;
    QTimer callerTimer;
    QObject::connect(&callerTimer, &QTimer::timeout, [&] { ++ticks; });
    callerTimer.start(5);
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        QWidget* viewer = openViewer();
        if (!viewer || ticks < 3) {
            return;
        }
        watcher.stop();
        seen = {true, viewer->isFullScreen(), viewer->grab().toImage(), ticks};
        close(viewer);
    });
    watcher.start(10);
    return quorpix().show(path.c_str(), 0);
}

QRgb pixelAt(const QImage& image, double x, double y) {
    return image.pixel(static_cast<int>(x * (image.width() - 1)),
                       static_cast<int>(y * (image.height() - 1)));
}

struct Closer {
    const char* name;
    std::function<void(QWidget*)> close;
};

TEST(Viewer, ShowsThePictureFittedOnBlackUntilAKeyOrAClick) {
    TempDir dir;
    // A wide picture: fitted to the screen it leaves black above and below.
    const TestImage red{64, 8, std::vector<Rgb>(64 * 8, Rgb{220, 20, 30})};
    writeBytes(dir.file("wide.bmp"), encodeBmp(red, kBgr24, false));
    const Closer closers[] = {
        {"Escape", [](QWidget* viewer) { QTest::keyClick(viewer, Qt::Key_Escape); }},
        {"any key", [](QWidget* viewer) { QTest::keyClick(viewer, Qt::Key_A); }},
        {"a click", [](QWidget* viewer) { QTest::mouseClick(viewer, Qt::LeftButton); }},
    };
    for (const Closer& closer : closers) {
        SCOPED_TRACE(closer.name);
        Seen seen;
        EXPECT_EQ(showAndClose(dir.file("wide.bmp"), closer.close, seen) & 0xFF, 1);
        ASSERT_TRUE(seen.window);
        EXPECT_TRUE(seen.fullScreen);
        EXPECT_EQ(seen.shown.size(), QApplication::primaryScreen()->size());
        EXPECT_GE(seen.ticksWhileOpen, 3);
        EXPECT_EQ(pixelAt(seen.shown, 0.5, 0.5), qRgb(220, 20, 30));
        EXPECT_EQ(pixelAt(seen.shown, 0.01, 0.5), qRgb(220, 20, 30));
        EXPECT_EQ(pixelAt(seen.shown, 0.5, 0.02), qRgb(0, 0, 0));
        EXPECT_EQ(pixelAt(seen.shown, 0.5, 0.98), qRgb(0, 0, 0));
        EXPECT_EQ(openViewer(), nullptr);
    }
}

TEST(Viewer, UnreadableFilesShowNothing) {
    TempDir dir;
    writeBytes(dir.file("notes.txt"), {'h', 'i'});
    Bytes cut = encodeBmp(manyColours(8, 8), kBgr24, false);
    cut.resize(60);
    writeBytes(dir.file("cut.bmp"), cut);
    for (const std::string& path :
         {dir.file("missing.bmp"), dir.file("notes.txt"), dir.file("cut.bmp"), dir.file("")}) {
        SCOPED_TRACE(path);
        Seen seen;
        EXPECT_EQ(showAndClose(
                      path, [](QWidget* viewer) { viewer->close(); }, seen),
                  0);
        EXPECT_FALSE(seen.window);
    }
    EXPECT_EQ(quorpix().show(nullptr, 0), 0);
}

} // namespace
