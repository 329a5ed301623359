// Destinations are replaced whole or not at all, and no temporary file stays behind.
#include "module.h"
#include "testbmp.h"
#include "testjpeg.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const Bytes kOldContent = {'o', 'l', 'd'};

int toBmp(const std::string& source, const std::string& destination) {
    return quorpix().anyToBmp(source.c_str(), destination.c_str(), nullptr, 0, 0) & 0xFF;
}

int toJpeg(const std::string& source, const std::string& destination) {
    return quorpix().bmpToAny(source.c_str(), destination.c_str(), nullptr, kJpegCode, 85) & 0xFF;
}

TEST(AtomicWrite, BadSourceLeavesTheOldDestination) {
    TempDir dir;
    Bytes bad = encodeBmp(manyColours(6, 6), kBgr24, false);
    bad.resize(bad.size() / 2);
    writeBytes(dir.file("bad.bmp"), bad);
    writeBytes(dir.file("out.bmp"), kOldContent);
    writeBytes(dir.file("out.jpg"), kOldContent);

    EXPECT_EQ(toBmp(dir.file("bad.bmp"), dir.file("out.bmp")), 0);
    EXPECT_EQ(toJpeg(dir.file("bad.bmp"), dir.file("out.jpg")), 0);
    EXPECT_EQ(readBytes(dir.file("out.bmp")), kOldContent);
    EXPECT_EQ(readBytes(dir.file("out.jpg")), kOldContent);
    EXPECT_EQ(dir.names(), (std::set<std::string>{"bad.bmp", "out.bmp", "out.jpg"}));
}

TEST(AtomicWrite, GoodSourceReplacesTheDestination) {
    TempDir dir;
    const TestImage image = manyColours(6, 6);
    writeBytes(dir.file("in.bmp"), encodeBmp(image, kBgr24, true));
    writeBytes(dir.file("out.bmp"), kOldContent);
    writeBytes(dir.file("out.jpg"), kOldContent);

    ASSERT_EQ(toBmp(dir.file("in.bmp"), dir.file("out.bmp")), 1);
    ASSERT_EQ(toJpeg(dir.file("in.bmp"), dir.file("out.jpg")), 1);
    TestImage written;
    EXPECT_TRUE(readWrittenBmp(dir.file("out.bmp"), written));
    EXPECT_EQ(written, image);
    EXPECT_TRUE(decodeJpeg(readBytes(dir.file("out.jpg")), written));
    EXPECT_EQ(dir.names(), (std::set<std::string>{"in.bmp", "out.bmp", "out.jpg"}));
}

TEST(AtomicWrite, SourceMayBeItsOwnDestination) {
    TempDir dir;
    const TestImage image = manyColours(7, 3);
    writeBytes(dir.file("grab.bmp"),
               encodeBmp(image, {"32-bit", 32, 0, {0xFF0000, 0xFF00, 0xFF}, 40, false}, false));
    ASSERT_EQ(toBmp(dir.file("grab.bmp"), dir.file("grab.bmp")), 1);
    TestImage written;
    EXPECT_TRUE(readWrittenBmp(dir.file("grab.bmp"), written));
    EXPECT_EQ(written, image);
    EXPECT_EQ(dir.names(), std::set<std::string>{"grab.bmp"});
}

TEST(AtomicWrite, UnwritableDestinationsFailCleanly) {
    TempDir dir;
    writeBytes(dir.file("in.bmp"), encodeBmp(manyColours(4, 4), kBgr24, false));
    std::filesystem::create_directory(dir.file("folder.jpg"));
    // A missing folder, a folder in the way, a name ending in '/', no name at all.
    for (const std::string& destination :
         {dir.file("missing/out.jpg"), dir.file("folder.jpg"), dir.file(""), std::string()}) {
        SCOPED_TRACE(destination);
        EXPECT_EQ(toJpeg(dir.file("in.bmp"), destination), 0);
        EXPECT_EQ(toBmp(dir.file("in.bmp"), destination), 0);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.jpg")));
    EXPECT_EQ(dir.names(), (std::set<std::string>{"in.bmp", "folder.jpg"}));
}

// Temporary files are created private; the finished file must not stay that way.
TEST(AtomicWrite, FinishedFilesFollowTheUmask) {
    TempDir dir;
    writeBytes(dir.file("in.bmp"), encodeBmp(manyColours(4, 4), kBgr24, false));
    const mode_t previous = umask(027);
    const int converted = toJpeg(dir.file("in.bmp"), dir.file("out.jpg"));
    umask(previous);
    ASSERT_EQ(converted, 1);
    struct stat info {};
    ASSERT_EQ(stat(dir.file("out.jpg").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

} // namespace
