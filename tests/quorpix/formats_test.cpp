// The format list the file dialogs and the options page are built from.
#include "module.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1) {
        pieces.push_back(text.substr(start, at - start));
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

struct Listed {
    int index;
    const char* description;
    const char* pattern;
    const char* extension;
};

// The codes are stored in users' settings: BMP stays 1 and JPEG 2, others are appended.
const Listed kListed[] = {
    {0, "All supported pictures",
     "*.bmp;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.webp;*.pnm;*.pbm;*.pgm;*.ppm;*.tga;*.gif", ""},
    {1, "Windows Bitmap", "*.bmp", ".bmp"},
    {2, "JPEG", "*.jpg;*.jpeg", ".jpg"},
    {3, "Portable Network Graphics", "*.png", ".png"},
    {4, "TIFF", "*.tif;*.tiff", ".tif"},
    {5, "WebP", "*.webp", ".webp"},
    {6, "Portable Anymap", "*.pnm;*.pbm;*.pgm;*.ppm", ".ppm"},
    {7, "Truevision Targa", "*.tga", ".tga"},
    {8, "Graphics Interchange Format", "*.gif", ".gif"},
};

// GIF is read but not written, so it follows the formats of the save filter.
constexpr int kWritableCount = 7;

TEST(Formats, ListsEachFormatUnderItsCode) {
    const QuorpixModule& q = quorpix();
    EXPECT_EQ(q.count(), 8);
    for (const Listed& listed : kListed) {
        SCOPED_TRACE(listed.index);
        EXPECT_STREQ(q.description(listed.index), listed.description);
        EXPECT_STREQ(q.pattern(listed.index), listed.pattern);
        EXPECT_STREQ(q.extension(listed.index), listed.extension);
    }
}

TEST(Formats, OutOfRangeIndicesGiveEmptyText) {
    const QuorpixModule& q = quorpix();
    for (const int index : {-1, 9, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_STREQ(q.description(index), "");
        EXPECT_STREQ(q.pattern(index), "");
        EXPECT_STREQ(q.extension(index), "");
    }
}

TEST(Formats, AllPicturesPatternIsTheUnionOfTheFormats) {
    const QuorpixModule& q = quorpix();
    std::vector<std::string> each;
    for (int code = 1; code <= q.count(); ++code) {
        for (const std::string& pattern : split(q.pattern(code), ';')) {
            each.push_back(pattern);
        }
    }
    EXPECT_EQ(split(q.pattern(0), ';'), each);
}

TEST(Formats, SaveFilterPairsSitAtTheirFormatCodes) {
    const QuorpixModule& q = quorpix();
    const std::vector<std::string> pieces = split(q.saveFormats(), '|');
    ASSERT_EQ(pieces.size(), 2u * kWritableCount) << q.saveFormats();
    EXPECT_EQ(pieces[2], "JPEG");
    for (int code = 1; code <= kWritableCount; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(pieces[2 * (code - 1)], q.description(code));
        EXPECT_EQ(pieces[2 * (code - 1) + 1], q.pattern(code));
    }
}

TEST(Formats, TextsStayValidAcrossCalls) {
    const QuorpixModule& q = quorpix();
    const char* all = q.pattern(0);
    const char* filter = q.saveFormats();
    const std::string allCopy = all, filterCopy = filter;
    for (int index = -1; index <= 9; ++index) {
        q.description(index);
        q.pattern(index);
        q.extension(index);
        q.saveFormats();
    }
    EXPECT_EQ(all, allCopy);
    EXPECT_EQ(filter, filterCopy);
}

} // namespace
