// Damaged and hostile BMPs: every entry point refuses them and writes nothing.
#include "casename.h"
#include "module.h"
#include "testbmp.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

enum class Base { Bgr24, Palette8, Masks32, Masks16, WidestRow, TallestColumn };

// Valid files the cases damage; the last two sit exactly at the size cap.
Bytes makeBase(Base base) {
    switch (base) {
    case Base::Bgr24:
        return encodeBmp(manyColours(4, 4), kBgr24, false);
    case Base::Palette8:
        return encodeBmp(eightColours(2, 2), {"8-bit", 8, 0, {}, 40, false}, false);
    case Base::Masks32:
        return encodeBmp(manyColours(4, 4), {"masks", 32, 3, {0xFF0000, 0xFF00, 0xFF}, 40, false},
                         false);
    case Base::Masks16:
        return encodeBmp(eightColours(4, 4), {"masks", 16, 3, {0xF800, 0x07E0, 0x1F}, 40, true},
                         false);
    case Base::WidestRow:
        return encodeBmp(eightColours(16384, 1), kBgr24, false);
    case Base::TallestColumn:
        return encodeBmp(eightColours(1, 16384), kBgr24, false);
    }
    return {};
}

struct Damage {
    const char* name;
    Base base;
    void (*apply)(Bytes& file);
    // Damage inside the pixels, which _Pic_Valid does not read: only converting finds it.
    bool inPixels = false;
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

const Damage kDamages[] = {
    {"truncated header", Base::Bgr24, [](Bytes& f) { f.resize(30); }},
    {"headers without pixels", Base::Bgr24, [](Bytes& f) { f.resize(54); }},
    {"truncated pixels", Base::Bgr24, [](Bytes& f) { f.pop_back(); }},
    {"zero width", Base::Bgr24, [](Bytes& f) { put32(f, bmpfield::kWidth, 0); }},
    {"negative width", Base::Bgr24,
     [](Bytes& f) { put32(f, bmpfield::kWidth, static_cast<std::uint32_t>(-4)); }},
    {"zero height", Base::Bgr24, [](Bytes& f) { put32(f, bmpfield::kHeight, 0); }},
    {"most negative height", Base::Bgr24,
     [](Bytes& f) { put32(f, bmpfield::kHeight, static_cast<std::uint32_t>(INT_MIN)); }},
    {"huge dimensions", Base::Bgr24,
     [](Bytes& f) {
         put32(f, bmpfield::kWidth, 100000);
         put32(f, bmpfield::kHeight, 100000);
     }},
    {"width past the cap, pixels present", Base::WidestRow,
     [](Bytes& f) {
         put32(f, bmpfield::kWidth, 16385);
         f.resize(f.size() + 4);
     }},
    {"height past the cap, pixels present", Base::TallestColumn,
     [](Bytes& f) {
         put32(f, bmpfield::kHeight, 16385);
         f.resize(f.size() + 4);
     }},
    {"7 bits per pixel", Base::Bgr24, [](Bytes& f) { put16(f, bmpfield::kBitsPerPixel, 7); }},
    {"pixels past the end of the file", Base::Bgr24,
     [](Bytes& f) { put32(f, bmpfield::kPixelOffset, static_cast<std::uint32_t>(f.size() + 10)); }},
    {"pixels inside the headers", Base::Bgr24,
     [](Bytes& f) { put32(f, bmpfield::kPixelOffset, 20); }},
    {"unknown header size", Base::Bgr24, [](Bytes& f) { put32(f, bmpfield::kInfoSize, 41); }},
    {"header longer than the file", Base::Bgr24,
     [](Bytes& f) { put32(f, bmpfield::kInfoSize, 124); }},
    {"unknown compression", Base::Bgr24, [](Bytes& f) { put32(f, bmpfield::kCompression, 9); }},
    {"masks on 24 bits", Base::Bgr24, [](Bytes& f) { put32(f, bmpfield::kCompression, 3); }},
    {"more than 256 colours", Base::Palette8,
     [](Bytes& f) { put32(f, bmpfield::kColoursUsed, 257); }},
    {"palette index past the colour table", Base::Palette8,
     [](Bytes& f) { put32(f, bmpfield::kColoursUsed, 2); }, true},
    {"colour table running into the pixels", Base::Palette8,
     [](Bytes& f) { put32(f, bmpfield::kColoursUsed, 200); }},
    {"overlapping masks", Base::Masks32,
     [](Bytes& f) { put32(f, bmpfield::kMasks + 4, get32(f, bmpfield::kMasks)); }},
    {"mask with a gap", Base::Masks32, [](Bytes& f) { put32(f, bmpfield::kMasks, 0xF00F0000); }},
    {"empty mask", Base::Masks32, [](Bytes& f) { put32(f, bmpfield::kMasks + 8, 0); }},
    {"mask past the pixel's bits", Base::Masks16,
     [](Bytes& f) { put32(f, bmpfield::kMasks + 8, 0x1F0000); }},
};

class Malformed : public testing::TestWithParam<Damage> {};

TEST_P(Malformed, IsRefusedWithoutWritingAnything) {
    const QuorpixModule& q = quorpix();
    TempDir dir;
    const std::string bad = dir.file("bad.bmp");
    Bytes file = makeBase(GetParam().base);
    writeBytes(bad, file);
    ASSERT_EQ(q.valid(bad.c_str()) & 0xFF, 1) << "the undamaged file must be readable";
    GetParam().apply(file);
    writeBytes(bad, file);

    EXPECT_EQ(q.valid(bad.c_str()) & 0xFF, GetParam().inPixels ? 1 : 0);
    EXPECT_EQ(q.anyToBmp(bad.c_str(), dir.file("out.bmp").c_str(), nullptr, 0, 0) & 0xFF, 0);
    EXPECT_EQ(q.anyToGrey(bad.c_str(), dir.file("out.bmp").c_str(), nullptr, 0, 0) & 0xFF, 0);
    EXPECT_EQ(q.bmpToAny(bad.c_str(), dir.file("out.jpg").c_str(), nullptr, kJpegCode, 80) & 0xFF,
              0);
    EXPECT_EQ(q.convert(bad.c_str(), dir.file("out.jpg").c_str(), nullptr, 0, 0, kJpegCode, 95) &
                  0xFF,
              0);
    EXPECT_EQ(dir.names(), std::set<std::string>{"bad.bmp"});
}

INSTANTIATE_TEST_SUITE_P(Bmp, Malformed, testing::ValuesIn(kDamages), caseName<Damage>);

} // namespace
