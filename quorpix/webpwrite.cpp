#include "webpwrite.h"

#include "atomicfile.h"
#include "pixelops.h"

#include <memory>
#include <webp/encode.h>

namespace quorpix {

namespace {

constexpr int kLosslessQuality = 100;

struct WebpFree {
    void operator()(std::uint8_t* data) const { WebPFree(data); }
};

} // namespace

bool saveWebp(Picture& picture, const std::string& path, int quality, std::string* error) {
    makeBgr(picture);
    std::uint8_t* encoded = nullptr;
    // libwebp steps through the rows by the stride, so a bottom-up picture goes in as it is.
    const int stride = static_cast<int>(picture.downPitch());
    const std::size_t size = quality >= kLosslessQuality
                                 ? WebPEncodeLosslessBGR(picture.topRow(), picture.width,
                                                         picture.height, stride, &encoded)
                                 : WebPEncodeBGR(picture.topRow(), picture.width, picture.height,
                                                 stride, static_cast<float>(quality), &encoded);
    const std::unique_ptr<std::uint8_t, WebpFree> output(encoded);
    if (size == 0) {
        return false;
    }
    return writeFileAtomically(
        path, [&](std::FILE* file) { return std::fwrite(encoded, 1, size, file) == size; }, error);
}

} // namespace quorpix
