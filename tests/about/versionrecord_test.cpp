#include "librarysearch.h"
#include "versionrecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// What CMake's project version puts into our files.
const FixedFileInfo kProjectVersion{
    CLIPSTASH_VERSION_MAJOR << 16 | CLIPSTASH_VERSION_MINOR,
    CLIPSTASH_VERSION_PATCH << 16 | CLIPSTASH_BUILD_NUMBER,
    CLIPSTASH_VERSION_MAJOR << 16 | CLIPSTASH_VERSION_MINOR,
    CLIPSTASH_VERSION_PATCH << 16 | CLIPSTASH_BUILD_NUMBER,
};

fs::path native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The program, the module and this test are built side by side.
fs::path programFolder() {
    return native(QCoreApplication::applicationDirPath());
}

// Sets LD_LIBRARY_PATH for one test and puts the old value back.
class LibraryPath {
public:
    explicit LibraryPath(const QString& value) : m_old(qgetenv("LD_LIBRARY_PATH")) {
        qputenv("LD_LIBRARY_PATH", QFile::encodeName(value));
    }
    ~LibraryPath() { qputenv("LD_LIBRARY_PATH", m_old); }

private:
    QByteArray m_old;
};

TEST(VersionRecord, ProgramAndModuleCarryTheProjectVersion) {
    EXPECT_EQ(readVersionRecord(programFolder() / "clipstash"), kProjectVersion);
    EXPECT_EQ(readVersionRecord(programFolder() / "quorpix.so"), kProjectVersion);
}

TEST(VersionRecord, CutCopiesOfTheModuleHaveNone) {
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("quorpix.so"));
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/quorpix.so", copy));
    const qint64 size = QFileInfo(copy).size();
    for (const qint64 length : {qint64(0), qint64(16), qint64(63), size / 2, size - 1}) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(QFile::resize(copy, length));
        EXPECT_EQ(readVersionRecord(native(copy)), std::nullopt);
    }
}

TEST(VersionRecord, FilesThatAreNoProgramHaveNone) {
    QTemporaryDir folder;
    const fs::path base = native(folder.path());
    QFile text(folder.filePath(QStringLiteral("text.so")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a program\n");
    text.close();
    // Opening a FIFO for reading would wait for a writer; it must be passed over at once.
    ASSERT_EQ(::mkfifo((base / "fifo.so").c_str(), 0600), 0);
    for (const char* name : {"missing.so", "text.so", "fifo.so", "."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(readVersionRecord(base / name), std::nullopt);
    }
}

TEST(LibrarySearch, ProgramFolderThenLibraryPathThenSystem) {
    const auto folders = librarySearchFolders("/opt/cs/bin", ":/a::/b/c:");
    ASSERT_GE(folders.size(), 5u);
    EXPECT_EQ(folders[0], fs::path("/opt/cs/bin"));
    EXPECT_EQ(folders[1], fs::path("/opt/cs/bin/../lib/clipstash"));
    EXPECT_EQ(folders[2], fs::path("/a"));
    EXPECT_EQ(folders[3], fs::path("/b/c"));
    EXPECT_EQ(folders.back(), fs::path("/usr/lib"));
    for (std::size_t i = 4; i < folders.size(); ++i)
        EXPECT_TRUE(folders[i].is_absolute()) << folders[i];
}

TEST(LibrarySearch, FirstFolderWithAFileOfThatNameWins) {
    QTemporaryDir first;
    QTemporaryDir second;
    for (const QString& path : {first.filePath("both.so"), second.filePath("both.so"),
                                second.filePath("second.so"), second.filePath("dir.so")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(first.path()).mkdir("dir.so"));
    const std::vector<fs::path> folders{native(first.path()), native(second.path())};
    const struct {
        const char* name;
        std::optional<fs::path> found;
    } cases[] = {
        {"both.so", folders[0] / "both.so"},
        {"second.so", folders[1] / "second.so"},
        {"dir.so", folders[1] / "dir.so"}, // a folder of that name is passed over
        {"none.so", std::nullopt},
        {"", std::nullopt},
        {"..", std::nullopt},
        {"../both.so", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findLibrary(c.name, folders), c.found);
    }
}

TEST(LibrarySearch, BareNamesAreFoundBesideTheProgramAndAlongLibraryPath) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + "/quorpix.so",
                            elsewhere.filePath(QStringLiteral("velcopy.so"))));
    EXPECT_EQ(fileVersionInfo("quorpix.so", programFolder()), kProjectVersion);
    {
        const LibraryPath none(QString{});
        EXPECT_EQ(fileVersionInfo("velcopy.so", programFolder()), std::nullopt);
    }
    const LibraryPath path(QStringLiteral("/nonexistent:") + elsewhere.path());
    EXPECT_EQ(fileVersionInfo("velcopy.so", programFolder()), kProjectVersion);
    EXPECT_EQ(fileVersionInfo(native(elsewhere.filePath("velcopy.so")).string(), "/nowhere"),
              kProjectVersion);
}

} // namespace
