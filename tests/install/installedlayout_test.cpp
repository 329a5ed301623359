// The installed tree, from `cmake --install` and from the Debian package: every part where the
// program and the desktop look for it, libraries found without help, records and data valid.
#include "installedtree.h"
#include "testpictures.h"
#include "versionrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

enum class Delivery { CmakeInstall, DebianPackage };

const QStringList kInstalledFiles = {
    "bin/clipstash",
    "bin/quorpix-convert",
    "lib/clipstash/quorpix.so",
    "lib/clipstash/quorpix-viewer.so",
    "share/applications/" + kApplicationId + ".desktop",
    "share/metainfo/" + kApplicationId + ".metainfo.xml",
    "share/icons/hicolor/scalable/apps/" + kApplicationId + ".svg",
};
const QStringList kElfFiles = {"bin/clipstash", "bin/quorpix-convert", "lib/clipstash/quorpix.so",
                               "lib/clipstash/quorpix-viewer.so"};
const int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The prefix (`/usr` in the package) holding one delivery's installed files.
class InstalledLayout : public testing::TestWithParam<Delivery> {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_work.isValid());
        if (GetParam() == Delivery::CmakeInstall) {
            m_root = m_work.filePath("prefix");
            const ToolRun install = installBuild(m_root);
            ASSERT_EQ(install.exitCode, 0) << qPrintable(install.output);
            return;
        }
        QString deb;
        const ToolRun package = buildPackage(m_work.filePath("package"), deb);
        ASSERT_EQ(package.exitCode, 0) << qPrintable(package.output);
        ASSERT_FALSE(deb.isEmpty()) << qPrintable(package.output);
        const ToolRun unpack = runTool("dpkg-deb", {"-x", deb, m_work.filePath("root")});
        ASSERT_EQ(unpack.exitCode, 0) << qPrintable(unpack.output);
        m_root = m_work.filePath("root/usr");
    }

    QString installed(const QString& relative) const { return m_root + '/' + relative; }

    QTemporaryDir m_work;
    QString m_root;
};

TEST_P(InstalledLayout, EveryPartIsWhereTheProgramAndTheDesktopLookForIt) {
    for (const QString& file : kInstalledFiles)
        EXPECT_TRUE(QFileInfo(installed(file)).isFile()) << qPrintable(file);
    EXPECT_TRUE(QFileInfo(installed("bin/clipstash")).isExecutable());
    for (const int size : kIconSizes) {
        const QString icon =
            QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(kApplicationId);
        EXPECT_EQ(QImage(installed(icon)).size(), QSize(size, size)) << qPrintable(icon);
    }
}

TEST_P(InstalledLayout, ProgramAndModulesFindEveryLibraryWithoutHelp) {
    for (const QString& file : kElfFiles) {
        const ToolRun ldd = runTool("ldd", {installed(file)});
        EXPECT_EQ(ldd.exitCode, 0) << qPrintable(file);
        EXPECT_FALSE(ldd.output.contains("not found")) << qPrintable(ldd.output);
    }
    // The program's own module, not one that happens to lie elsewhere on the machine.
    const ToolRun ldd = runTool("ldd", {installed("bin/clipstash")});
    const QString resolved = ldd.output.section("quorpix.so => ", 1).section(' ', 0, 0);
    EXPECT_EQ(QFileInfo(resolved).canonicalFilePath(),
              QFileInfo(installed("lib/clipstash/quorpix.so")).canonicalFilePath())
        << qPrintable(ldd.output);
}

// The record of a file built beside these tests.
std::optional<FixedFileInfo> builtRecord(const QString& name) {
    return readVersionRecord((QCoreApplication::applicationDirPath() + '/' + name).toStdString());
}

TEST_P(InstalledLayout, VersionRecordsSurviveAsBuilt) {
    const auto program = builtRecord("clipstash");
    const auto module = builtRecord("quorpix.so");
    ASSERT_TRUE(program.has_value());
    ASSERT_TRUE(module.has_value());
    EXPECT_EQ(readVersionRecord(installed("bin/clipstash").toStdString()), program);
    EXPECT_EQ(readVersionRecord(installed("lib/clipstash/quorpix.so").toStdString()), module);
    // The About window's library list looks the module up by bare name from the program.
    EXPECT_EQ(fileVersionInfo("quorpix.so", installed("bin").toStdString()), module);
}

TEST_P(InstalledLayout, LauncherAndMetainfoPassTheirValidators) {
    const ToolRun desktop = runTool(
        "desktop-file-validate", {installed("share/applications/" + kApplicationId + ".desktop")});
    EXPECT_EQ(desktop.exitCode, 0) << qPrintable(desktop.output);
    EXPECT_FALSE(desktop.output.contains("error:")) << qPrintable(desktop.output);
    const ToolRun metainfo =
        runTool("appstreamcli", {"validate", "--no-net",
                                 installed("share/metainfo/" + kApplicationId + ".metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << qPrintable(metainfo.output);
}

TEST_P(InstalledLayout, ConverterRunsFromTheTree) {
    const QString source = m_work.filePath("picture.bmp");
    const QString target = m_work.filePath("picture.png");
    ASSERT_TRUE(patternPicture(40, 30).save(source));
    const ToolRun convert = runTool(installed("bin/quorpix-convert"), {source, target});
    EXPECT_EQ(convert.exitCode, 0) << qPrintable(convert.output);
    EXPECT_EQ(QImage(target).size(), QSize(40, 30));
}

INSTANTIATE_TEST_SUITE_P(Deliveries, InstalledLayout,
                         testing::Values(Delivery::CmakeInstall, Delivery::DebianPackage),
                         [](const testing::TestParamInfo<Delivery>& info) {
                             return info.param == Delivery::CmakeInstall ? "CmakeInstall"
                                                                         : "DebianPackage";
                         });

TEST(DebianPackage, DeclaresWhatItNeedsAndInstallsOnThisSystem) {
    QTemporaryDir work;
    QString deb;
    const ToolRun package = buildPackage(work.path(), deb);
    ASSERT_FALSE(deb.isEmpty()) << qPrintable(package.output);
    const ToolRun depends = runTool("dpkg-deb", {"--field", deb, "Depends"});
    // Found from the linked libraries, and the X11 platform plugin Qt loads at run time.
    for (const char* needed : {"libqt6widgets6", "libturbojpeg0", "libspng0", "libxcb-xfixes0",
                               "libglib2.0-0", "qt6-qpa-plugins"})
        EXPECT_TRUE(depends.output.contains(QLatin1String(needed))) << needed;
    const ToolRun simulated = runTool("apt-get", {"install", "--simulate", "--yes", deb});
    EXPECT_EQ(simulated.exitCode, 0) << qPrintable(simulated.output);
    // A machine that already has this very package says so instead.
    EXPECT_TRUE(simulated.output.contains("Inst clipstash") ||
                simulated.output.contains("clipstash is already the newest version"))
        << qPrintable(simulated.output);
}

} // namespace
