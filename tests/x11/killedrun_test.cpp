// A run killed outright, then a new run: the new run must not number over the grabs on disk.
#include "runningprogram.h"
#include "settingsfile.h"
#include "testpictures.h"
#include "xclipowner.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString builtProgram() {
    return QCoreApplication::applicationDirPath() + "/clipstash";
}
} // namespace

TEST(KilledRun, NextRunContinuesAfterTheGrabsOnDisk) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"));
    QTemporaryDir config;
    QTemporaryDir store;
    QTemporaryDir pictures;
    const QString settings = config.filePath("Velmor.conf");
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("[CStash]\nDelay=100\nJpeg=0\nCount=1\nStore=%1\n")
                   .arg(store.path())
                   .toUtf8());
    file.close();
    QStringList pictureFiles;
    for (int seed = 0; seed < 3; ++seed) {
        pictureFiles << pictures.filePath(QStringLiteral("p%1.png").arg(seed));
        patternPicture(12, 9, seed).save(pictureFiles.last());
    }

    {
        RunningProgram first(builtProgram(), config.path());
        ASSERT_TRUE(first.startMonitoringFromMenu());
        ASSERT_TRUE(grabViaClipboard(pictureFiles[0]));
        ASSERT_TRUE(grabViaClipboard(pictureFiles[1]));
        ASSERT_TRUE(waitForStoredValue(settings, "LastCount", "2"));
        first.kill(); // no close handler runs
    }
    RunningProgram second(builtProgram(), config.path());
    ASSERT_TRUE(second.startMonitoringFromMenu());
    ASSERT_TRUE(grabViaClipboard(pictureFiles[2]));
    ASSERT_TRUE(waitForStoredValue(settings, "LastCount", "3"));
    EXPECT_EQ(QDir(store.path()).entryList(QDir::Files),
              QStringList({"grab_000.bmp", "grab_001.bmp", "grab_002.bmp"}));
    for (int seed = 0; seed < 3; ++seed) {
        const QImage grab(store.filePath(QStringLiteral("grab_00%1.bmp").arg(seed)));
        EXPECT_EQ(grab.pixel(3, 2), patternColour(3, 2, seed)) << "grab " << seed;
    }
}
