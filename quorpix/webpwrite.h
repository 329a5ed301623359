// Writing WebP files through libwebp.
#pragma once

#include "codec.h"

namespace quorpix {

// Quality 100 writes a lossless file, below that lossy at that quality.
bool saveWebp(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
