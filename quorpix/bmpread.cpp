#include "bmpread.h"

#include "bmpheader.h"
#include "bmppalette.h"
#include "bmprle.h"
#include "bytes.h"

#include <bit>

namespace quorpix {

namespace {

// What a row decoder needs besides the row.
struct RowContext {
    BmpPalette palette;
    std::array<std::uint32_t, 3> masks{};
};

// Decodes one stored row into B,G,R; false when the row is damaged.
using RowDecoder = bool (*)(const std::uint8_t* in, std::uint8_t* out, int width,
                            const RowContext& context);

// Indices of Bits bits each, the leftmost pixel in the byte's top bits.
template <int Bits>
bool decodePalette(const std::uint8_t* in, std::uint8_t* out, int width,
                   const RowContext& context) {
    constexpr int kPerByte = 8 / Bits;
    constexpr int kMask = (1 << Bits) - 1;
    for (int x = 0; x < width; ++x, out += 3) {
        const int shift = 8 - Bits * (x % kPerByte + 1);
        if (!context.palette.put((in[x / kPerByte] >> shift) & kMask, out)) {
            return false;
        }
    }
    return true;
}

// Scales a masked channel to 8 bits, rounding.
std::uint8_t channel(std::uint32_t word, std::uint32_t mask) {
    const int shift = std::countr_zero(mask);
    const std::uint64_t top = mask >> shift;
    return static_cast<std::uint8_t>((((word & mask) >> shift) * 255 + top / 2) / top);
}

template <int Bytes>
bool decodeMasked(const std::uint8_t* in, std::uint8_t* out, int width, const RowContext& context) {
    for (int x = 0; x < width; ++x, in += Bytes, out += 3) {
        const std::uint32_t word = Bytes == 2 ? readLe16(in) : readLe32(in);
        for (int c = 0; c < 3; ++c) {
            out[c] = channel(word, context.masks[c]);
        }
    }
    return true;
}

RowDecoder rowDecoder(BmpLayout layout) {
    switch (layout) {
    case BmpLayout::Palette1:
        return decodePalette<1>;
    case BmpLayout::Palette4:
        return decodePalette<4>;
    case BmpLayout::Palette8:
        return decodePalette<8>;
    case BmpLayout::Masked16:
        return decodeMasked<2>;
    default: // Masked32; the other layouts have readers of their own
        return decodeMasked<4>;
    }
}

// Decodes rows one by one into B,G,R rows, keeping the file's row order.
bool decodeRows(const BmpInfo& info, const Buffer& file, Picture& picture) {
    const RowContext context{readBmpPalette(info, file.data()), info.masks};
    const RowDecoder decode = rowDecoder(info.layout);
    picture.allocateBgr();
    const std::uint8_t* in = file.data() + info.pixelOffset;
    for (int y = 0; y < info.height; ++y, in += info.rowPitch) {
        if (!decode(in, picture.row(y), info.width, context)) {
            return false;
        }
    }
    return true;
}

// Points the picture at the rows inside the file.
void keepRows(const BmpInfo& info, Buffer file, Picture& picture) {
    picture.order = info.layout == BmpLayout::Bgr24    ? PixelOrder::Bgr
                    : info.layout == BmpLayout::Bgrx32 ? PixelOrder::Bgrx
                                                       : PixelOrder::Rgbx;
    picture.pitch = static_cast<std::ptrdiff_t>(info.rowPitch);
    picture.firstRow = file.data() + info.pixelOffset;
    picture.storage = std::move(file);
}

} // namespace

bool probeBmp(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    BmpInfo info;
    return parseBmpHeader(head, fileSize, info);
}

bool loadBmp(Buffer file, const LoadOptions&, Picture& picture) {
    BmpInfo info;
    if (!parseBmpHeader(file.bytes(), file.size(), info)) {
        return false;
    }
    picture.width = info.width;
    picture.height = info.height;
    picture.bottomUp = !info.topDown;
    switch (info.layout) {
    case BmpLayout::Bgr24:
    case BmpLayout::Bgrx32:
    case BmpLayout::Rgbx32:
        keepRows(info, std::move(file), picture);
        return true;
    case BmpLayout::Rle4:
    case BmpLayout::Rle8:
        return decodeBmpRle(file.bytes().subspan(info.pixelOffset), info.layout == BmpLayout::Rle4,
                            readBmpPalette(info, file.data()), picture);
    default:
        return decodeRows(info, file, picture);
    }
}

} // namespace quorpix
