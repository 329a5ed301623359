// Reading TIFF files through libtiff.
#pragma once

#include "codec.h"

namespace quorpix {

bool probeTiff(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// The first picture of the file, in any layout libtiff can turn into R,G,B,A.
bool loadTiff(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
