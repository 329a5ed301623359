#include "tgawrite.h"

#include "atomicfile.h"
#include "bytes.h"
#include "pixelops.h"

#include <array>

namespace quorpix {

namespace {

constexpr std::uint8_t kTrueColour = 2;

std::array<std::uint8_t, 18> makeHeader(const Picture& picture) {
    std::array<std::uint8_t, 18> header{};
    header[2] = kTrueColour;
    writeLe16(&header[12], static_cast<std::uint16_t>(picture.width));
    writeLe16(&header[14], static_cast<std::uint16_t>(picture.height));
    header[16] = 24; // bits a pixel; the descriptor (17) stays 0: no alpha, bottom row first
    return header;
}

} // namespace

bool saveTga(Picture& picture, const std::string& path, int, std::string* error) {
    makeBgr(picture);
    return writeFileAtomically(
        path,
        [&](std::FILE* file) {
            const auto header = makeHeader(picture);
            if (std::fwrite(header.data(), 1, header.size(), file) != header.size()) {
                return false;
            }
            const std::size_t rowBytes = 3 * static_cast<std::size_t>(picture.width);
            for (int y = picture.height - 1; y >= 0; --y) {
                if (std::fwrite(picture.shownRow(y), 1, rowBytes, file) != rowBytes) {
                    return false;
                }
            }
            return true;
        },
        error);
}

} // namespace quorpix
