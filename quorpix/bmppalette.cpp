#include "bmppalette.h"

namespace quorpix {

BmpPalette readBmpPalette(const BmpInfo& info, const std::uint8_t* file) {
    BmpPalette palette;
    palette.size = info.paletteSize;
    const std::uint8_t* entry = file + info.paletteOffset;
    for (int i = 0; i < info.paletteSize; ++i, entry += info.paletteEntryBytes) {
        for (int c = 0; c < 3; ++c) {
            palette.bgr[3 * i + c] = entry[c];
        }
    }
    return palette;
}

} // namespace quorpix
