#include "bmpread.h"

#include "bmpheader.h"
#include "bytes.h"
#include "caps.h"

#include <bit>

namespace quorpix {

namespace {

// What a row decoder needs besides the row.
struct RowContext {
    std::array<std::uint8_t, 256 * 3> palette{}; // B,G,R; entries past the table stay black
    std::array<std::uint32_t, 3> masks{};
};

using RowDecoder = void (*)(const std::uint8_t* in, std::uint8_t* out, int width,
                            const RowContext& context);

void decodePalette8(const std::uint8_t* in, std::uint8_t* out, int width,
                    const RowContext& context) {
    for (int x = 0; x < width; ++x, out += 3) {
        const std::uint8_t* colour = &context.palette[3 * in[x]];
        out[0] = colour[0];
        out[1] = colour[1];
        out[2] = colour[2];
    }
}

// Scales a masked channel to 8 bits, rounding.
std::uint8_t channel(std::uint32_t word, std::uint32_t mask) {
    const int shift = std::countr_zero(mask);
    const std::uint64_t top = mask >> shift;
    return static_cast<std::uint8_t>((((word & mask) >> shift) * 255 + top / 2) / top);
}

template <int Bytes>
void decodeMasked(const std::uint8_t* in, std::uint8_t* out, int width, const RowContext& context) {
    for (int x = 0; x < width; ++x, in += Bytes, out += 3) {
        const std::uint32_t word = Bytes == 2 ? readLe16(in) : readLe32(in);
        for (int c = 0; c < 3; ++c) {
            out[c] = channel(word, context.masks[c]);
        }
    }
}

RowContext makeContext(const BmpInfo& info, const std::uint8_t* file) {
    RowContext context;
    context.masks = info.masks;
    const std::uint8_t* entry = file + info.paletteOffset;
    for (int i = 0; i < info.paletteSize; ++i, entry += 4) {
        for (int c = 0; c < 3; ++c) {
            context.palette[3 * i + c] = entry[c];
        }
    }
    return context;
}

RowDecoder rowDecoder(BmpLayout layout) {
    switch (layout) {
    case BmpLayout::Palette8:
        return decodePalette8;
    case BmpLayout::Masked16:
        return decodeMasked<2>;
    default: // Masked32; the other layouts go to the encoders as they are
        return decodeMasked<4>;
    }
}

// Decodes rows one by one into B,G,R rows, keeping the file's row order.
void decodeRows(const BmpInfo& info, const Buffer& file, Picture& picture) {
    const RowContext context = makeContext(info, file.data());
    const RowDecoder decode = rowDecoder(info.layout);
    picture.allocateBgr();
    const std::uint8_t* in = file.data() + info.pixelOffset;
    for (int y = 0; y < info.height; ++y, in += info.rowPitch) {
        decode(in, picture.row(y), info.width, context);
    }
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
        break;
    default:
        decodeRows(info, file, picture);
        break;
    }
    return true;
}

} // namespace quorpix
