#include "bmpsave.h"

#include "bmpwrite.h"
#include "pixelops.h"

namespace quorpix {

bool saveBmp(Picture& picture, const std::string& path, int /*quality*/, std::string* error) {
    makeBgr(picture);
    // A bottom-up picture is viewed from its last row in memory with a negative stride, so a
    // BMP read from disk is written back without reordering its rows first.
    const BgrImageView view{picture.width, picture.height, picture.downPitch(), picture.topRow()};
    return writeBmp(path, view, error);
}

} // namespace quorpix
