// Writing TIFF files through libtiff.
#pragma once

#include "codec.h"

namespace quorpix {

// 8-bit R,G,B, Deflate-compressed; quality is not used.
bool saveTiff(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
