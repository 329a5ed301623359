#include "pnmwrite.h"

#include "atomicfile.h"
#include "pixelops.h"

#include <vector>

namespace quorpix {

bool savePnm(Picture& picture, const std::string& path, int, std::string* error) {
    makeBgr(picture);
    return writeFileAtomically(
        path,
        [&](std::FILE* file) {
            if (std::fprintf(file, "P6\n%d %d\n255\n", picture.width, picture.height) < 0) {
                return false;
            }
            std::vector<std::uint8_t> rgb(3 * static_cast<std::size_t>(picture.width));
            for (int y = 0; y < picture.height; ++y) {
                bgrToRgb(picture.shownRow(y), rgb.data(), picture.width);
                if (std::fwrite(rgb.data(), 1, rgb.size(), file) != rgb.size()) {
                    return false;
                }
            }
            return true;
        },
        error);
}

} // namespace quorpix
