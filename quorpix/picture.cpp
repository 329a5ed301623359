#include "picture.h"

#include "caps.h"

namespace quorpix {

void Picture::allocate(PixelOrder pixelOrder) {
    order = pixelOrder;
    pitch = static_cast<std::ptrdiff_t>(
        pixelOrder == PixelOrder::Bgr ? bgrRowPitch(width) : 4 * static_cast<std::uint64_t>(width));
    storage = Buffer(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height));
    firstRow = storage.data();
}

} // namespace quorpix
