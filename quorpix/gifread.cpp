#include "gifread.h"

#include "bytes.h"
#include "caps.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace quorpix {

namespace {

constexpr int kNoTransparency = -1;

struct GifClose {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

using GifHandle = std::unique_ptr<GifFileType, GifClose>;

struct Source {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

int readSource(GifFileType* gif, GifByteType* buffer, int size) {
    Source& source = *static_cast<Source*>(gif->UserData);
    const std::size_t count =
        std::min(static_cast<std::size_t>(size), source.bytes.size() - source.position);
    if (count > 0) {
        std::memcpy(buffer, source.bytes.data() + source.position, count);
        source.position += count;
    }
    return static_cast<int>(count);
}

// The transparent colour index a graphic control extension names, if any.
bool readExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* data = nullptr;
    if (DGifGetExtension(gif, &code, &data) != GIF_OK) {
        return false;
    }
    if (code == GRAPHICS_EXT_FUNC_CODE && data && data[0] >= 4) {
        transparent = (data[1] & 1) ? data[4] : kNoTransparency;
    }
    while (data) {
        if (DGifGetExtensionNext(gif, &data) != GIF_OK) {
            return false;
        }
    }
    return true;
}

// Row order of an interlaced frame: every 8th row from 0, every 8th from 4, every 4th from
// 2, every 2nd from 1.
std::vector<int> frameRows(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) {
            rows.push_back(y);
        }
        return rows;
    }
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < height; y += steps[pass]) {
            rows.push_back(y);
        }
    }
    return rows;
}

// Paints one row of colour indices; false for an index past the colour map.
bool paintRow(const std::vector<GifPixelType>& indices, const ColorMapObject& map, int transparent,
              std::uint8_t* out) {
    for (const GifPixelType index : indices) {
        if (index >= map.ColorCount) {
            return false;
        }
        if (index != transparent) {
            const GifColorType& colour = map.Colors[index];
            out[0] = colour.Blue;
            out[1] = colour.Green;
            out[2] = colour.Red;
        }
        out += 3;
    }
    return true;
}

bool readFrame(GifFileType* gif, int transparent, Picture& picture) {
    if (DGifGetImageDesc(gif) != GIF_OK) {
        return false;
    }
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    // A frame reaching past the logical screen widens the picture, as most viewers show it.
    const std::int64_t width = std::max<std::int64_t>(gif->SWidth, frame.Left + frame.Width);
    const std::int64_t height = std::max<std::int64_t>(gif->SHeight, frame.Top + frame.Height);
    if (!map || frame.Width <= 0 || frame.Height <= 0 || !withinCaps(width, height)) {
        return false;
    }
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.allocateBgr();
    std::memset(picture.firstRow, 0xFF, static_cast<std::size_t>(picture.pitch) * picture.height);
    std::vector<GifPixelType> indices(static_cast<std::size_t>(frame.Width));
    for (const int y : frameRows(frame.Height, frame.Interlace)) {
        if (DGifGetLine(gif, indices.data(), frame.Width) != GIF_OK ||
            !paintRow(indices, *map, transparent, picture.row(frame.Top + y) + 3 * frame.Left)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool probeGif(std::span<const std::uint8_t> head, std::uint64_t) {
    return head.size() >= 13 &&
           (std::memcmp(head.data(), "GIF87a", 6) == 0 ||
            std::memcmp(head.data(), "GIF89a", 6) == 0) &&
           readLe16(&head[6]) > 0 && readLe16(&head[8]) > 0;
}

bool loadGif(Buffer file, const LoadOptions&, Picture& picture) {
    Source source{file.bytes()};
    const GifHandle gif(DGifOpen(&source, readSource, nullptr));
    if (!gif) {
        return false;
    }
    int transparent = kNoTransparency;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    while (DGifGetRecordType(gif.get(), &record) == GIF_OK) {
        if (record == IMAGE_DESC_RECORD_TYPE) {
            return readFrame(gif.get(), transparent, picture);
        }
        if (record != EXTENSION_RECORD_TYPE || !readExtension(gif.get(), transparent)) {
            return false;
        }
    }
    return false;
}

} // namespace quorpix
