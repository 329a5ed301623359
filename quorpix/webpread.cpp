#include "webpread.h"

#include "caps.h"
#include "pixelops.h"

#include <webp/decode.h>

namespace quorpix {

namespace {

bool readFeatures(std::span<const std::uint8_t> data, WebPBitstreamFeatures& features) {
    return WebPGetFeatures(data.data(), data.size(), &features) == VP8_STATUS_OK &&
           !features.has_animation && withinCaps(features.width, features.height, 4);
}

} // namespace

bool probeWebp(std::span<const std::uint8_t> head, std::uint64_t) {
    WebPBitstreamFeatures features;
    return readFeatures(head, features);
}

bool loadWebp(Buffer file, const LoadOptions&, Picture& picture) {
    WebPBitstreamFeatures features;
    if (!readFeatures(file.bytes(), features)) {
        return false;
    }
    picture.width = features.width;
    picture.height = features.height;
    picture.allocate(features.has_alpha ? PixelOrder::Bgrx : PixelOrder::Bgr);
    const std::size_t size = static_cast<std::size_t>(picture.pitch) * picture.height;
    const int pitch = static_cast<int>(picture.pitch);
    const std::uint8_t* decoded =
        features.has_alpha
            ? WebPDecodeBGRAInto(file.data(), file.size(), picture.firstRow, size, pitch)
            : WebPDecodeBGRInto(file.data(), file.size(), picture.firstRow, size, pitch);
    if (!decoded) {
        return false;
    }
    if (features.has_alpha) {
        flattenOntoWhite(picture);
    }
    return true;
}

} // namespace quorpix
