// The program button: names, sizes, press and release, and launching a launcher file.
#include "ExeButtn.h"
#include "argsrecorder.h"
#include "exebuttonrules.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

TEST(ExeButtonRules, CaptionPathAndExtension) {
    struct Case {
        const char* file;
        const char* caption;
        const char* path;
        const char* ext;
    };
    const Case cases[] = {
        {"/usr/bin/gimp", "gimp", "/usr/bin/", ""},
        {"/opt/paint/MSPaint.exe", "MSPaint", "/opt/paint/", ".EXE"},
        {"xdg-open", "xdg-open", "", ""},
        {"/home/a/.local/share/applications/gimp.desktop", "gimp",
         "/home/a/.local/share/applications/", ".DESKTOP"},
        {"/a.b/tool", "tool", "/a.b/", ""},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const ProgramParts parts = programParts(c.file);
        EXPECT_EQ(parts.caption.toStdString(), c.caption) << c.file;
        EXPECT_EQ(parts.path.toStdString(), c.path) << c.file;
        EXPECT_EQ(parts.ext.toStdString(), c.ext) << c.file;
    }
}

TEST(ExeButtonRules, AutomaticSizes) {
    EXPECT_EQ(exeButtonSize(32, false, true), QSize(40, 40));
    EXPECT_EQ(exeButtonSize(32, true, true), QSize(104, 40));
    EXPECT_EQ(exeButtonSize(32, true, false), QSize(72, 40));
    EXPECT_EQ(exeButtonSize(16, false, true), QSize(24, 24));
}

TEST(ExeButton, FileNameSetsCaptionAndLayoutOnce) {
    TExeButton button;
    button.setAuto(true);
    button.setShowLabel(false);
    EXPECT_EQ(button.size(), QSize(40, 40));
    button.setFileName("/usr/bin/gimp");
    EXPECT_EQ(button.Caption(), "gimp");
    button.StoreCaption("renamed");
    button.setFileName("/usr/bin/gimp"); // the same name: nothing is redone
    EXPECT_EQ(button.Caption(), "renamed");
    button.setShowLabel(true);
    EXPECT_EQ(button.size(), QSize(104, 40));
    button.StoreFlag(99, true); // no such flag: nothing stored
    EXPECT_FALSE(button.Flag(99));
}

TEST(ExeButton, PressAndReleaseWithAndWithoutLatch) {
    TExeButton button;
    button.resize(50, 40);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.Down());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button.Down());
    QTest::mousePress(&button, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button.Down()) << "the right button only reports";

    button.Latch = true;
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(button.Down());
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(button.Down());
}

namespace {
// A launcher whose program records its arguments.
QString writeLauncher(const QString& folder, const QString& name, const QString& program) {
    const QString path = folder + u'/' + name;
    QFile launcher(path);
    launcher.open(QIODevice::WriteOnly);
    launcher.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Recorder\nExec=%1\n")
                       .arg(program)
                       .toUtf8());
    return path;
}
} // namespace

TEST(ExeButton, AutoRunLaunchesOnlyOnAReleaseStrictlyInside) {
    QTemporaryDir folder;
    ArgsRecorder program(folder.path());
    TExeButton button;
    button.resize(50, 40);
    button.setAutoRun(true);
    button.setFileName(writeLauncher(folder.path(), "recorder.DESKTOP", program.program()));
    EXPECT_EQ(button.FileExt(), ".DESKTOP");
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(0, 10)); // left column: no launch
    EXPECT_FALSE(program.waitForArguments(1000).has_value());
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    const auto arguments = program.waitForArguments();
    ASSERT_TRUE(arguments.has_value()) << "the launcher's program was not started";
    EXPECT_TRUE(arguments->isEmpty());
}

TEST(ExeButton, ProgramFileIsStartedInItsFolder) {
    QTemporaryDir folder;
    ArgsRecorder program(folder.path(), "tool.sh");
    TExeButton button;
    button.setFileName(program.program());
    EXPECT_EQ(button.FilePath(), folder.path() + "/");
    button.Launch();
    ASSERT_TRUE(program.waitForArguments().has_value());
}

TEST(ExeButton, DrawsItsFrameWhenBorderedOrDown) {
    QWidget parent;
    TExeButton button(&parent);
    button.setGeometry(0, 0, 40, 40);
    button.setShowLabel(false);
    button.setShowIcon(false);
    const QColor light = button.palette().color(QPalette::Midlight);
    const QColor dark = button.palette().color(QPalette::Shadow);
    const auto close = [](QRgb drawn, const QColor& expected) {
        return std::abs(qRed(drawn) - expected.red()) <= 2 &&
               std::abs(qGreen(drawn) - expected.green()) <= 2 &&
               std::abs(qBlue(drawn) - expected.blue()) <= 2;
    };
    QImage drawn = button.grab().toImage();
    EXPECT_TRUE(close(drawn.pixel(0, 20), light));
    EXPECT_TRUE(close(drawn.pixel(39, 20), dark));
    button.setDown(true);
    drawn = button.grab().toImage();
    EXPECT_TRUE(close(drawn.pixel(0, 20), dark));
    EXPECT_TRUE(close(drawn.pixel(39, 20), light));
    button.setDown(false);
    button.setBorder(false);
    drawn = button.grab().toImage();
    EXPECT_FALSE(close(drawn.pixel(0, 20), light) && close(drawn.pixel(39, 20), dark));
}
