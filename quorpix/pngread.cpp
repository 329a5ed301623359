#include "pngread.h"

#include "caps.h"
#include "pixelops.h"
#include "spngctx.h"

namespace quorpix {

namespace {

// Metadata chunks are skipped, but each must still fit in memory we are willing to give.
constexpr std::size_t kChunkLimit = std::size_t{64} << 20;

// A decoder on the bytes whose header is read and within our caps.
SpngContext openPng(std::span<const std::uint8_t> data, spng_ihdr& header) {
    SpngContext context(spng_ctx_new(0));
    if (!context || spng_set_image_limits(context.get(), kMaxDimension, kMaxDimension) != 0 ||
        spng_set_chunk_limits(context.get(), kChunkLimit, kChunkLimit) != 0 ||
        spng_set_png_buffer(context.get(), data.data(), data.size()) != 0 ||
        spng_get_ihdr(context.get(), &header) != 0 || !withinCaps(header.width, header.height, 4)) {
        return nullptr;
    }
    return context;
}

// libspng shows indices past the palette as black; we refuse such a file as damaged, so the
// indices are checked on a first, raw decode.
bool indicesWithinPalette(std::span<const std::uint8_t> data) {
    spng_ihdr header{};
    const SpngContext context = openPng(data, header);
    spng_plte palette{};
    std::size_t size = 0;
    if (!context || spng_get_plte(context.get(), &palette) != 0 ||
        spng_decoded_image_size(context.get(), SPNG_FMT_PNG, &size) != 0) {
        return false;
    }
    const Buffer raw(size);
    if (spng_decode_image(context.get(), raw.data(), size, SPNG_FMT_PNG, 0) != 0) {
        return false;
    }
    const int depth = header.bit_depth;
    const std::size_t rowBytes = size / header.height;
    for (std::uint32_t y = 0; y < header.height; ++y) {
        const std::uint8_t* row = raw.data() + rowBytes * y;
        for (std::uint32_t x = 0; x < header.width; ++x) {
            const int shift = 8 - depth * (static_cast<int>(x % (8 / depth)) + 1);
            if ((row[x * depth / 8] >> shift & ((1 << depth) - 1)) >=
                static_cast<int>(palette.n_entries)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool probePng(std::span<const std::uint8_t> head, std::uint64_t) {
    spng_ihdr header{};
    return openPng(head, header) != nullptr;
}

bool loadPng(Buffer file, const LoadOptions&, Picture& picture) {
    spng_ihdr header{};
    const SpngContext context = openPng(file.bytes(), header);
    std::size_t size = 0;
    if (!context || spng_decoded_image_size(context.get(), SPNG_FMT_RGBA8, &size) != 0 ||
        (header.color_type == SPNG_COLOR_TYPE_INDEXED && !indicesWithinPalette(file.bytes()))) {
        return false;
    }
    picture.width = static_cast<int>(header.width);
    picture.height = static_cast<int>(header.height);
    picture.allocate(PixelOrder::Rgbx);
    if (size != static_cast<std::size_t>(picture.pitch) * picture.height ||
        spng_decode_image(context.get(), picture.firstRow, size, SPNG_FMT_RGBA8,
                          SPNG_DECODE_TRNS) != 0) {
        return false;
    }
    flattenOntoWhite(picture);
    return true;
}

} // namespace quorpix
