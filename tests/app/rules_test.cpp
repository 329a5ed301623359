// The pure rules behind grab names, folders and the browsing controls.
#include "drivecombobox.h"
#include "grabnames.h"
#include "pathparts.h"
#include "storagefolder.h"
#include "tradiogroup.h"
#include "tregini.h"

#include <gtest/gtest.h>
#include <limits>

TEST(GrabNames, ComposedFromFolderPrefixAndCounter) {
    struct Case {
        const char* storage;
        const char* prefix;
        int counter;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/home/ann/Shots", "grab_", 7, ".bmp", "/home/ann/Shots/grab_007.bmp"},
        {"/home/ann/Shots", "grab_", 7, ".jpg", "/home/ann/Shots/grab_007.jpg"},
        {"/", "grab_", 12, ".bmp", "/grab_012.bmp"},     // the root adds no second '/'
        {"/ab", "grab_", 0, ".bmp", "/ab/grab_000.bmp"}, // a short folder is never cut
        {"/tmp/g", "", 0, ".bmp", "/tmp/g/000.bmp"},     // empty prefix
        {"/tmp/g", "shot", 5, ".bmp", "/tmp/g/shot005.bmp"},
        {"/tmp/g", "%1x", 998, ".jpg", "/tmp/g/%1x998.jpg"}, // placeholders are plain text
        {"/tmp/g", "grab_", 1234, ".bmp", "/tmp/g/grab_1234.bmp"},
    };
    for (const Case& c : cases) {
        const QString name =
            composeGrabName(grabFolderText(QString::fromUtf8(c.storage)),
                            QString::fromUtf8(c.prefix), c.counter, QString::fromUtf8(c.extension));
        EXPECT_EQ(name.toStdString(), c.expected) << c.storage << " " << c.prefix;
    }
}

TEST(GrabNames, CounterWrapsOnlyAtOrAboveTheMaximum) {
    struct Case {
        int counter, maximum, expected;
    };
    const Case cases[] = {
        {0, 50, 0},   {49, 50, 49}, {50, 50, 0}, // after the 50th grab the next is 000
        {37, 10, 0},                             // maximum lowered below the counter
        {5, 0, 0},                               // an emptied maximum field counts 0
        {17, 50, 17},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapGrabCounter(c.counter, c.maximum), c.expected)
            << c.counter << "/" << c.maximum;
}

TEST(GrabNames, OptionsTruncateTowardZero) {
    EXPECT_EQ(truncatedOption(500.9), 500);
    EXPECT_EQ(truncatedOption(-2.7), -2);
    EXPECT_EQ(truncatedOption(0), 0);
    EXPECT_EQ(truncatedOption(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncatedOption(1e20), std::numeric_limits<int>::max());
}

TEST(StorageFolder, ProgramFolderUnlessInstalledInABinFolder) {
    const QString pictures = QStringLiteral("/home/ann/Pictures");
    EXPECT_EQ(defaultStorageFolder("/opt/clipstash", pictures), "/opt/clipstash/grabs");
    EXPECT_EQ(defaultStorageFolder("/home/ann/build/program", pictures),
              "/home/ann/build/program/grabs");
    EXPECT_EQ(defaultStorageFolder("/usr/bin", pictures), "/home/ann/Pictures/grabs");
    EXPECT_EQ(defaultStorageFolder("/home/ann/.local/bin/", pictures), "/home/ann/Pictures/grabs");
    EXPECT_EQ(defaultStorageFolder("/opt/binaries", pictures), "/opt/binaries/grabs");
}

TEST(PathParts, SplitAtTheLastSeparatorAndDot) {
    EXPECT_EQ(folderPart("/usr/bin/gimp"), "/usr/bin/");
    EXPECT_EQ(fileNamePart("/usr/bin/gimp"), "gimp");
    EXPECT_EQ(fileNamePart("xdg-open"), "xdg-open");
    EXPECT_EQ(folderPart("xdg-open"), "");
    EXPECT_EQ(extensionPart("/a.b/photo.tar.gz"), ".gz");
    EXPECT_EQ(extensionPart("/a.b/README"), "");
    EXPECT_EQ(joinFolderAndName("/", "x.bmp"), "/x.bmp");
    EXPECT_EQ(joinFolderAndName("/tmp", "x.bmp"), "/tmp/x.bmp");
    EXPECT_EQ(folderChain("/home/ann"), QStringList({"/", "/home", "/home/ann"}));
    EXPECT_EQ(folderChain("/"), QStringList({"/"}));
}

TEST(BrowsingRules, VolumeOfAFolderIsTheLongestMountPoint) {
    const QStringList roots{"/", "/home", "/home/ann/usb", "/ho"};
    EXPECT_EQ(volumeIndexFor(roots, "/home/ann/usb/pics"), 2);
    EXPECT_EQ(volumeIndexFor(roots, "/home/ann"), 1);
    EXPECT_EQ(volumeIndexFor(roots, "/homework"), 0); // "/home" is not a prefix folder of it
    EXPECT_EQ(volumeIndexFor(roots, "/home"), 1);
    EXPECT_EQ(volumeIndexFor(QStringList{"/data"}, "/tmp"), -1);
    EXPECT_TRUE(isPseudoFileSystem("proc"));
    EXPECT_FALSE(isPseudoFileSystem("ext4"));
}

TEST(BrowsingRules, RadioGroupIndexStaysWithinItsItems) {
    EXPECT_EQ(clampItemIndex(7, 3), 2);
    EXPECT_EQ(clampItemIndex(1, 3), 1);
    EXPECT_EQ(clampItemIndex(-1, 3), -1);
    EXPECT_EQ(clampItemIndex(-5, 3), -1);
}

TEST(StoredValues, IntegersAreDecimalOrHexadecimalElseTheDefault) {
    struct Case {
        const char* text;
        int expected;
    };
    const Case cases[] = {
        {"17", 17},         {"-3", -3},  {"+4", 4},      {"0x3E8", 1000},      {"0X1f", 31},
        {"0xFFFFFFFF", -1}, {"010", 10}, {"0x", -99},    {"0x1FFFFFFFF", -99}, {"0x-5", -99},
        {"abc", -99},       {"", -99},   {"12abc", -99}, {"99999999999", -99}, {"1.5", -99},
    };
    for (const Case& c : cases)
        EXPECT_EQ(storedInteger(QString::fromLatin1(c.text), -99), c.expected) << c.text;
}
