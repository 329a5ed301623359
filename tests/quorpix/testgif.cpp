#include "testgif.h"

#include <gif_lib.h>
#include <stdexcept>

namespace {

int append(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

// A colour map the size of the colours rounded up to a power of two, as GIF needs.
ColorMapObject* makeMap(const std::vector<Rgb>& colours) {
    int size = 2;
    while (size < static_cast<int>(colours.size())) {
        size *= 2;
    }
    std::vector<GifColorType> entries(size);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        entries[i] = {colours[i].r, colours[i].g, colours[i].b};
    }
    return GifMakeMapObject(size, entries.data());
}

void check(int status) {
    if (status != GIF_OK) {
        throw std::runtime_error("cannot make the test GIF");
    }
}

// The rows of a frame in the order an interlaced GIF stores them.
std::vector<int> storedRows(const GifFrame& frame) {
    std::vector<int> rows;
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (frame.interlaced ? 4 : 1); ++pass) {
        for (int y = frame.interlaced ? starts[pass] : 0; y < frame.height;
             y += frame.interlaced ? steps[pass] : 1) {
            rows.push_back(y);
        }
    }
    return rows;
}

void putFrame(GifFileType* gif, const GifFrame& frame) {
    if (frame.transparent >= 0) {
        const GifByteType control[4] = {1, 0, 0, static_cast<GifByteType>(frame.transparent)};
        check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control));
    }
    ColorMapObject* local = frame.localColours.empty() ? nullptr : makeMap(frame.localColours);
    check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, frame.interlaced,
                           local));
    GifFreeMapObject(local);
    for (const int y : storedRows(frame)) {
        std::vector<GifPixelType> row(frame.indices.begin() + y * frame.width,
                                      frame.indices.begin() + (y + 1) * frame.width);
        check(EGifPutLine(gif, row.data(), frame.width));
    }
    // giflib drops its copy of a local map unfreed when the next frame has none.
    GifFreeMapObject(gif->Image.ColorMap);
    gif->Image.ColorMap = nullptr;
}

} // namespace

Bytes encodeGif(int width, int height, const std::vector<Rgb>& colours,
                const std::vector<GifFrame>& frames) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, append, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* global = makeMap(colours);
    check(EGifPutScreenDesc(gif, width, height, 8, 0, global));
    GifFreeMapObject(global);
    for (const GifFrame& frame : frames) {
        putFrame(gif, frame);
    }
    check(EGifCloseFile(gif, &error));
    return out;
}
