#include "picture.h"

#include "caps.h"

namespace quorpix {

void Picture::allocateBgr() {
    order = PixelOrder::Bgr;
    pitch = static_cast<std::ptrdiff_t>(bgrRowPitch(width));
    storage = Buffer(static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height));
    firstRow = storage.data();
}

} // namespace quorpix
