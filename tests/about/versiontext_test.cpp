#include "../components/printers.h"
#include "versiontext.h"

#include <gtest/gtest.h>

namespace {

FixedFileInfo product(std::uint16_t a, std::uint16_t b, std::uint16_t c, std::uint16_t d) {
    FixedFileInfo info;
    info.productVersionMS = static_cast<std::uint32_t>(a) << 16 | b;
    info.productVersionLS = static_cast<std::uint32_t>(c) << 16 | d;
    // The file version is never shown.
    info.fileVersionMS = 0x00090009;
    info.fileVersionLS = 0x00090009;
    return info;
}

TEST(VersionText, MajorNumberThenTheLeastSignificantWord) {
    const struct {
        FixedFileInfo info;
        const char* text;
    } cases[] = {
        {product(4, 0, 0, 12), "4.00.12"},
        {product(4, 3, 0, 12), "4.00.12"},
        {product(1, 0, 2, 5), "1.00.131077"},
        {product(2, 0, 0, 7), "2.00.7"},
        {product(65535, 65535, 65535, 65535), "65535.00.4294967295"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(versionText(c.info), QString::fromLatin1(c.text));
    }
}

TEST(VersionText, ProgramLabelWithOrWithoutRecord) {
    EXPECT_EQ(programVersionLabel("Clipstash", product(4, 0, 0, 12)), "Version 4.00.12");
    EXPECT_EQ(programVersionLabel("Clipstash", std::nullopt),
              "Clipstash - No Version Number found");
}

TEST(VersionText, TitleIsTheFileNameUpToItsFirstDot) {
    const struct {
        const char* path;
        const char* title;
    } cases[] = {
        {"/usr/bin/clipstash", "clipstash"},
        {"/opt/CStash.bin", "Cstash"},
        {"/x/ClipStash.tar.gz", "Clipstash"},
        {"/x.y/prog", "prog"},
        {"/x/.hidden", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(applicationTitle(QString::fromLatin1(c.path)), QString::fromLatin1(c.title));
    }
}

TEST(VersionText, NamesArePaddedToTwelveColumns) {
    const struct {
        const char* name;
        const char* prefix;
    } cases[] = {
        {"quorpix.dll", "quorpix.dll  -   "},
        {"veleffect.so", "veleffect.so -   "},
        {"a.so", "a.so         -   "},
        {"thirteen.so12", "thirteen.so12 -   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(dllLinePrefix(QString::fromLatin1(c.name)), QString::fromLatin1(c.prefix));
    }
}

TEST(VersionText, LibraryLineEndsInVersionOrNotFound) {
    EXPECT_EQ(dllLine("quorpix.dll", product(2, 0, 0, 7)), "quorpix.dll  -   2.00.7");
    EXPECT_EQ(dllLine("quorpix.dll", std::nullopt), "quorpix.dll  -   Not found");
}

} // namespace
