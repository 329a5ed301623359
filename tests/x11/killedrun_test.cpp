// A run killed outright, then a new run: the new run must not number over the grabs on disk.
#include "settingsfile.h"
#include "testpictures.h"
#include "xclipowner.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {
// The real program on the test's display with its own settings folder.
class RunningProgram {
public:
    explicit RunningProgram(const QString& configFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", configFolder);
        m_process.setProcessEnvironment(environment);
        m_process.start(QCoreApplication::applicationDirPath() + "/clipstash", {});
        m_process.waitForStarted();
    }
    ~RunningProgram() {
        m_process.kill();
        m_process.waitForFinished();
    }

    // Starts monitoring the way a user can without knowing where the buttons are: a
    // right-click on the page and the context menu's first item.
    bool startMonitoring() {
        const QString pid = QString::number(m_process.processId());
        QProcess search;
        search.start("xdotool",
                     {"search", "--sync", "--onlyvisible", "--pid", pid, "--name", "^Clipstash$"});
        if (!search.waitForFinished(10000))
            return false;
        const QString window = QString::fromLatin1(search.readAllStandardOutput()).trimmed();
        if (window.isEmpty())
            return false;
        QTest::qWait(300);
        return QProcess::execute("xdotool", {"mousemove", "--window", window, "400", "120", "click",
                                             "3", "sleep", "0.3", "key", "Down", "Return"}) == 0;
    }

    void kill() { ::kill(static_cast<pid_t>(m_process.processId()), SIGKILL); }

private:
    QProcess m_process;
};

bool grabViaClipboard(const QString& pictureFile) {
    XclipOwner owner(pictureFile, "image/png");
    return owner.waitUntilOwner() && owner.waitUntilGone(10000);
}

bool waitForStoredCounter(const QString& settingsFile, const QString& value) {
    const QDeadlineTimer deadline(5000);
    while (readSettingsFileAt(settingsFile).value("LastCount") != value) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
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
        RunningProgram first(config.path());
        ASSERT_TRUE(first.startMonitoring());
        ASSERT_TRUE(grabViaClipboard(pictureFiles[0]));
        ASSERT_TRUE(grabViaClipboard(pictureFiles[1]));
        ASSERT_TRUE(waitForStoredCounter(settings, "2"));
        first.kill(); // no close handler runs
    }
    RunningProgram second(config.path());
    ASSERT_TRUE(second.startMonitoring());
    ASSERT_TRUE(grabViaClipboard(pictureFiles[2]));
    ASSERT_TRUE(waitForStoredCounter(settings, "3"));
    EXPECT_EQ(QDir(store.path()).entryList(QDir::Files),
              QStringList({"grab_000.bmp", "grab_001.bmp", "grab_002.bmp"}));
    for (int seed = 0; seed < 3; ++seed) {
        const QImage grab(store.filePath(QStringLiteral("grab_00%1.bmp").arg(seed)));
        EXPECT_EQ(grab.pixel(3, 2), patternColour(3, 2, seed)) << "grab " << seed;
    }
}
