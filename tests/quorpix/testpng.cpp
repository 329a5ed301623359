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

Bytes encodePng(const PngSpec& spec) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, append, nullptr);
    png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        png_set_PLTE(png, info, spec.palette.data(), static_cast<int>(spec.palette.size()));
    }
    png_color_16 grey{};
    grey.gray = static_cast<png_uint_16>(spec.transparentGrey);
    if (!spec.alphas.empty() || spec.transparentGrey >= 0) {
        png_set_tRNS(png, info, spec.alphas.empty() ? nullptr : spec.alphas.data(),
                     static_cast<int>(spec.alphas.size()),
                     spec.transparentGrey >= 0 ? &grey : nullptr);
    }
    std::vector<png_bytep> rows;
    for (const Bytes& row : spec.rows) {
        rows.push_back(const_cast<png_bytep>(row.data()));
    }
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}
