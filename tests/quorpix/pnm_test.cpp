// The Netpbm formats, plain and raw, with comments and 16-bit samples.
#include "moduleread.h"

#include <gtest/gtest.h>

namespace {

Bytes text(const std::string& content) {
    return Bytes(content.begin(), content.end());
}

Bytes concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

Rgb grey(int level) {
    const auto value = static_cast<std::uint8_t>(level);
    return {value, value, value};
}

struct PnmCase {
    const char* name;
    Bytes file;
    TestImage expected;
};

TEST(PnmRead, ReadsEveryKind) {
    const PnmCase cases[] = {
        {"plain bitmap, digits run together",
         text("P1\n# a comment\n3 2\n010\n1 1 0\n"),
         {3, 2, {kWhite, kBlack, kWhite, kBlack, kBlack, kWhite}}},
        {"raw bitmap, row padded to a byte",
         concat(text("P4 10 2\n"), {0x80, 0x40, 0xFF, 0xC0}),
         {10, 2, {kBlack, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kBlack,
                  kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack}}},
        {"plain grey of maximum 4",
         text("P2 3 1 4 0 2 4"),
         {3, 1, {grey(0), grey(128), grey(255)}}},
        {"raw grey", concat(text("P5\n2 1\n255\n"), {7, 200}), {2, 1, {grey(7), grey(200)}}},
        {"raw grey of 16 bits",
         concat(text("P5 2 1 65535\n"), {0x12, 0x34, 0xFF, 0xFF}),
         {2, 1, {grey(0x12), grey(255)}}},
        {"plain colour",
         text("P3\n2 1\n255\n1 2 3  #x\n 250 251 252\n"),
         {2, 1, {{1, 2, 3}, {250, 251, 252}}}},
        {"raw colour",
         concat(text("P6 1 2 255\t"), {9, 8, 7, 6, 5, 4}),
         {1, 2, {{9, 8, 7}, {6, 5, 4}}}},
    };
    TempDir dir;
    for (const PnmCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestImage read;
        ASSERT_TRUE(readBytesThroughModule(dir, c.file, read));
        EXPECT_EQ(read, c.expected);
    }
}

} // namespace
