// Writing PNG files through libspng.
#pragma once

#include "codec.h"

namespace quorpix {

// 8-bit R,G,B; quality is not used, PNG being lossless.
bool savePng(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
