#include "pixelops.h"

#include <algorithm>

namespace quorpix {

namespace {

// Packs each row's 4-byte pixels into B,G,R; mix(channel, alpha) gives a channel's level.
template <typename Mix> void packRows(Picture& picture, Mix mix) {
    // Red sits at byte 2 of BGRX and byte 0 of RGBX.
    const int red = picture.order == PixelOrder::Bgrx ? 2 : 0;
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* row = picture.row(y);
        // Each pixel moves down to a lower offset, so a forward pass never overwrites unread
        // bytes.
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* in = row + 4 * x;
            const std::uint8_t b = in[2 - red], g = in[1], r = in[red], a = in[3];
            std::uint8_t* out = row + 3 * x;
            out[0] = mix(b, a);
            out[1] = mix(g, a);
            out[2] = mix(r, a);
        }
    }
    picture.order = PixelOrder::Bgr;
}

} // namespace

void makeBgr(Picture& picture) {
    if (picture.order != PixelOrder::Bgr) {
        packRows(picture, [](std::uint8_t level, std::uint8_t) { return level; });
    }
}

void flattenOntoWhite(Picture& picture) {
    packRows(picture, [](std::uint8_t level, std::uint8_t alpha) {
        return static_cast<std::uint8_t>((level * alpha + 255 * (255 - alpha) + 127) / 255);
    });
}

void flattenPremultipliedOntoWhite(Picture& picture) {
    packRows(picture, [](std::uint8_t level, std::uint8_t alpha) {
        return static_cast<std::uint8_t>(std::min(255, level + 255 - alpha));
    });
}

void inkToBgr(Picture& picture) {
    // C,M,Y,K read as R,G,B,X: each colour is its own level scaled by the black level.
    picture.order = PixelOrder::Rgbx;
    packRows(picture, [](std::uint8_t level, std::uint8_t black) {
        return static_cast<std::uint8_t>((level * black + 127) / 255);
    });
}

void makeGrey(Picture& picture) {
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* pixel = picture.row(y);
        for (int x = 0; x < picture.width; ++x, pixel += 3) {
            // BT.601 luma weights scaled to 256, so equal channels give back the same level.
            const auto level = static_cast<std::uint8_t>(
                (29 * pixel[0] + 150 * pixel[1] + 77 * pixel[2] + 128) >> 8);
            pixel[0] = pixel[1] = pixel[2] = level;
        }
    }
}

void bgrToRgb(const std::uint8_t* in, std::uint8_t* out, int width) {
    for (int x = 0; x < width; ++x, in += 3, out += 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
    }
}

} // namespace quorpix
