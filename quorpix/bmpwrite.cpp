#include "bmpwrite.h"

#include "atomicfile.h"
#include "bytes.h"
#include "caps.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/uio.h>
#include <vector>

namespace quorpix {

namespace {

constexpr std::size_t kHeadersSize = 14 + 40;

std::uint64_t rowPitch(const BgrImageView& image) {
    return image.bytesPerPixel == 4 ? 4 * static_cast<std::uint64_t>(image.width)
                                    : bgrRowPitch(image.width);
}

std::array<std::uint8_t, kHeadersSize> makeHeaders(const BgrImageView& image) {
    const auto pixelBytes = static_cast<std::uint32_t>(rowPitch(image) * image.height);
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
    writeLe16(info + 14, static_cast<std::uint16_t>(8 * image.bytesPerPixel));
    writeLe32(info + 20, pixelBytes); // compression (at +16) stays BI_RGB
    return headers;
}

bool validView(const BgrImageView& image) {
    return image.topRow && (image.bytesPerPixel == 3 || image.bytesPerPixel == 4) &&
           image.width > 0 && image.width <= kMaxDimension && image.height > 0 &&
           image.height <= kMaxDimension &&
           std::abs(image.stride) >= image.bytesPerPixel * image.width;
}

// Writes every byte of the pieces, resuming after partial writes.
bool writeAll(int fd, std::vector<iovec>& pieces) {
    std::size_t next = 0;
    while (next < pieces.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(pieces.size() - next, IOV_MAX));
        ssize_t written = ::writev(fd, &pieces[next], count);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        while (next < pieces.size() && static_cast<std::size_t>(written) >= pieces[next].iov_len) {
            written -= static_cast<ssize_t>(pieces[next].iov_len);
            ++next;
        }
        if (written > 0) {
            pieces[next].iov_base = static_cast<char*>(pieces[next].iov_base) + written;
            pieces[next].iov_len -= static_cast<std::size_t>(written);
        }
    }
    return true;
}

// The rows go straight from the caller's memory to the file, bottom row first, a thousand
// at a time: no copy through a stream buffer, a handful of system calls for a 4K grab.
bool writeRows(std::FILE* file, const BgrImageView& image) {
    const auto headers = makeHeaders(image);
    if (std::fwrite(headers.data(), headers.size(), 1, file) != 1 || std::fflush(file) != 0) {
        return false;
    }
    const std::size_t rowBytes = image.bytesPerPixel * static_cast<std::size_t>(image.width);
    const std::size_t padding = rowPitch(image) - rowBytes;
    // Padding is written as zeros rather than copied, so no stray memory ends up in the file.
    static constexpr std::uint8_t kZeros[3] = {};
    std::vector<iovec> pieces;
    pieces.reserve(static_cast<std::size_t>(image.height) * (padding ? 2 : 1));
    for (int y = image.height - 1; y >= 0; --y) {
        const std::uint8_t* row = image.topRow + y * image.stride;
        pieces.push_back({const_cast<std::uint8_t*>(row), rowBytes});
        if (padding) {
            pieces.push_back({const_cast<std::uint8_t*>(kZeros), padding});
        }
    }
    return writeAll(::fileno(file), pieces);
}

} // namespace

bool writeBmp(const std::string& path, const BgrImageView& image, std::string* error) {
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
