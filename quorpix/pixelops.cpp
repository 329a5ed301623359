#include "pixelops.h"

namespace quorpix {

void makeBgr(Picture& picture) {
    if (picture.order == PixelOrder::Bgr) {
        return;
    }
    // Red sits at byte 2 of BGRX and byte 0 of RGBX.
    const int red = picture.order == PixelOrder::Bgrx ? 2 : 0;
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* row = picture.row(y);
        // Each pixel moves down to a lower offset, so a forward pass never overwrites unread
        // bytes.
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* in = row + 4 * x;
            const std::uint8_t b = in[2 - red], g = in[1], r = in[red];
            std::uint8_t* out = row + 3 * x;
            out[0] = b;
            out[1] = g;
            out[2] = r;
        }
    }
    picture.order = PixelOrder::Bgr;
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

} // namespace quorpix
