// How the program calls the module: null names, and a work block the module must not touch.
#include "module.h"
#include "testbmp.h"

#include <array>
#include <gtest/gtest.h>

namespace {

TEST(Calling, NullNamesFailQuietly) {
    const QuorpixModule& q = quorpix();
    TempDir dir;
    const std::string bmp = dir.file("in.bmp");
    writeBytes(bmp, encodeBmp(manyColours(3, 3), kBgr24, false));
    const char* names[][2] = {{nullptr, nullptr}, {bmp.c_str(), nullptr}, {nullptr, bmp.c_str()}};
    EXPECT_EQ(q.valid(nullptr) & 0xFF, 0);
    for (const auto& [source, destination] : names) {
        EXPECT_EQ(q.anyToBmp(source, destination, nullptr, 0, 0) & 0xFF, 0);
        EXPECT_EQ(q.anyToGrey(source, destination, nullptr, 0, 0) & 0xFF, 0);
        EXPECT_EQ(q.bmpToAny(source, destination, nullptr, kJpegCode, 80) & 0xFF, 0);
        EXPECT_EQ(q.convert(source, destination, nullptr, 0, 0, kJpegCode, 80) & 0xFF, 0);
    }
    EXPECT_EQ(dir.names(), std::set<std::string>{"in.bmp"});
}

TEST(Calling, WorkBlockIsLeftAlone) {
    const QuorpixModule& q = quorpix();
    TempDir dir;
    const std::string bmp = dir.file("in.bmp");
    const std::string out = dir.file("out");
    writeBytes(bmp, encodeBmp(manyColours(33, 17), kBgr24, false));
    std::array<unsigned char, QUORPIX_WORK_BLOCK_SIZE> block;
    block.fill(0xA5);
    const auto untouched = block;
    EXPECT_EQ(q.anyToBmp(bmp.c_str(), out.c_str(), block.data(), 0, 0) & 0xFF, 1);
    EXPECT_EQ(q.anyToGrey(bmp.c_str(), out.c_str(), block.data(), 0, 0) & 0xFF, 1);
    EXPECT_EQ(q.bmpToAny(bmp.c_str(), out.c_str(), block.data(), kJpegCode, 80) & 0xFF, 1);
    EXPECT_EQ(q.convert(out.c_str(), out.c_str(), block.data(), 0, 1, kBmpCode, 80) & 0xFF, 1);
    EXPECT_EQ(block, untouched);
}

} // namespace
