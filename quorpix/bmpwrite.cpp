#include "bmpwrite.h"

#include "atomicfile.h"
#include "bytes.h"
#include "caps.h"

#include <array>
#include <cstdlib>

namespace quorpix {

namespace {

constexpr std::size_t kHeadersSize = 14 + 40;

std::array<std::uint8_t, kHeadersSize> makeHeaders(const BgrImageView& image) {
    const auto pixelBytes = static_cast<std::uint32_t>(bgrRowPitch(image.width) * image.height);
    std::array<std::uint8_t, kHeadersSize> headers{};
    headers[0] = 'B';
    headers[1] = 'M';
    writeLe32(&headers[2], static_cast<std::uint32_t>(kHeadersSize) + pixelBytes);
    writeLe32(&headers[10], kHeadersSize);
    std::uint8_t* info = &headers[14];
    writeLe32(info, 40);
    writeLe32(info + 4, static_cast<std::uint32_t>(image.width));
    writeLe32(info + 8, static_cast<std::uint32_t>(image.height)); // positive: bottom-up
    writeLe16(info + 12, 1);                                       // planes
    writeLe16(info + 14, 24);                                      // bits per pixel
    writeLe32(info + 20, pixelBytes); // compression (at +16) stays BI_RGB
    return headers;
}

bool validView(const BgrImageView& image) {
    return image.topRow && image.width > 0 && image.width <= kMaxDimension && image.height > 0 &&
           image.height <= kMaxDimension && std::abs(image.stride) >= 3 * image.width;
}

bool writeRows(std::FILE* file, const BgrImageView& image) {
    const auto headers = makeHeaders(image);
    if (std::fwrite(headers.data(), headers.size(), 1, file) != 1) {
        return false;
    }
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(image.width);
    const std::size_t padding = bgrRowPitch(image.width) - rowBytes;
    // Padding is written as zeros rather than copied, so no stray memory ends up in the file.
    static constexpr std::uint8_t kZeros[3] = {};
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.topRow + y * image.stride;
        if (std::fwrite(row, rowBytes, 1, file) != 1 ||
            (padding && std::fwrite(kZeros, padding, 1, file) != 1)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool writeBmp24(const std::string& path, const BgrImageView& image, std::string* error) {
    if (!validView(image)) {
        if (error) {
            *error =
                "cannot write " + path + ": the picture is empty, too large, or its rows overlap";
        }
        return false;
    }
    return writeFileAtomically(
        path, [&image](std::FILE* file) { return writeRows(file, image); }, error);
}

} // namespace quorpix
