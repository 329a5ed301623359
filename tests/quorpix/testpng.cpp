#include "testpng.h"

#include <stdexcept>

namespace {

void append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void fail(png_structp, png_const_charp message) {
    throw std::runtime_error(message);
}

} // namespace

Bytes encodePng(const PngLayout& layout) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, append, nullptr);
    png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colourType,
                 layout.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!layout.palette.empty()) {
        png_set_PLTE(png, info, layout.palette.data(), static_cast<int>(layout.palette.size()));
    }
    png_color_16 grey{};
    grey.gray = static_cast<png_uint_16>(layout.transparentGrey);
    if (!layout.alphas.empty() || layout.transparentGrey >= 0) {
        png_set_tRNS(png, info, layout.alphas.empty() ? nullptr : layout.alphas.data(),
                     static_cast<int>(layout.alphas.size()),
                     layout.transparentGrey >= 0 ? &grey : nullptr);
    }
    std::vector<png_bytep> rows;
    for (const Bytes& row : layout.rows) {
        rows.push_back(const_cast<png_bytep>(row.data()));
    }
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}
