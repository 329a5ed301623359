#include "bmpsave.h"

#include "bmpwrite.h"
#include "pixelops.h"

namespace quorpix {

bool saveBmp(Picture& picture, const std::string& path, int /*quality*/) {
    makeBgr(picture);
    // A bottom-up picture is viewed from its last row in memory with a negative stride, so a
    // BMP read from disk is written back without reordering its rows first.
    const std::ptrdiff_t lastRow = static_cast<std::ptrdiff_t>(picture.height - 1) * picture.pitch;
    const BgrImageView view{picture.width, picture.height,
                            picture.bottomUp ? -picture.pitch : picture.pitch,
                            picture.bottomUp ? picture.firstRow + lastRow : picture.firstRow};
    return writeBmp(path, view, nullptr);
}

} // namespace quorpix
