// The installed program end to end, as a user meets it: a fresh account, the Start button,
// three pictures copied one after the other, the window closed by the window manager, a restart.
#include "installedtree.h"
#include "runningprogram.h"
#include "settingsfile.h"
#include "testpictures.h"
#include "xclipowner.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The centre of "Start Monitoring" in the main window: the CStash page, below the folder tree.
constexpr int kStartButtonX = 73;
constexpr int kStartButtonY = 265;
constexpr int kCloseTimeoutMs = 10000;

const QSize kPictureSizes[] = {{64, 48}, {120, 30}, {33, 77}, {50, 50}};

// A user with nothing yet: an empty home and no settings file.
class FreshAccount {
public:
    QString home() const { return m_home.path(); }
    QString configFolder() const { return m_home.filePath(".config"); }
    QString settingsFile() const { return configFolder() + "/Velmor.conf"; }
    // Where an installed program keeps its grabs for this user.
    QString grabFolder() const { return m_home.filePath("Pictures/grabs"); }
    QProcessEnvironment environment() const {
        QProcessEnvironment environment;
        environment.insert("HOME", home());
        return environment;
    }

private:
    QTemporaryDir m_home;
};

// Starts the installed program, grabs `pictures` through the clipboard and closes the window.
void grabInOneRun(const QString& program, const FreshAccount& account,
                  const QStringList& pictures) {
    RunningProgram run(program, account.configFolder(), account.environment());
    ASSERT_TRUE(run.clickInWindow(kStartButtonX, kStartButtonY));
    for (const QString& picture : pictures)
        ASSERT_TRUE(grabViaClipboard(picture)) << qPrintable(picture);
    ASSERT_TRUE(run.askToClose());
    ASSERT_TRUE(run.waitForCleanExit(kCloseTimeoutMs));
}

void expectJpegGrab(const QString& file, QSize size) {
    QImageReader reader(file);
    EXPECT_EQ(reader.format(), "jpeg") << qPrintable(file);
    EXPECT_EQ(reader.read().size(), size) << qPrintable(file);
}

} // namespace

TEST(InstalledProgram, GrabsThreePicturesAndTheNextRunContinuesTheNumbering) {
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY"));
    QTemporaryDir prefix;
    const ToolRun install = installBuild(prefix.path());
    ASSERT_EQ(install.exitCode, 0) << qPrintable(install.output);
    const QString program = prefix.filePath("bin/clipstash");
    FreshAccount account;
    QTemporaryDir pictureFolder;
    QStringList pictures;
    for (const QSize& size : kPictureSizes) {
        pictures << pictureFolder.filePath(QStringLiteral("p%1.png").arg(pictures.size()));
        ASSERT_TRUE(
            patternPicture(size.width(), size.height(), pictures.size()).save(pictures.last()));
    }

    grabInOneRun(program, account, pictures.mid(0, 3));
    const QDir grabs(account.grabFolder());
    EXPECT_EQ(grabs.entryList(QDir::Files),
              QStringList({"grab_000.jpg", "grab_001.jpg", "grab_002.jpg"}));
    for (int number = 0; number < 3; ++number)
        expectJpegGrab(grabs.filePath(QStringLiteral("grab_00%1.jpg").arg(number)),
                       kPictureSizes[number]);
    EXPECT_EQ(readSettingsFileAt(account.settingsFile()).value("LastCount"), "3");
    // An installed program's folder is no place for grabs, even where it could be written.
    EXPECT_FALSE(QFileInfo::exists(prefix.filePath("bin/grabs")));

    grabInOneRun(program, account, pictures.mid(3));
    expectJpegGrab(grabs.filePath("grab_003.jpg"), kPictureSizes[3]);
    EXPECT_EQ(readSettingsFileAt(account.settingsFile()).value("LastCount"), "4");
}
