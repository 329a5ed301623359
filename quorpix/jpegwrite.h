// Writing JPEG files through TurboJPEG.
#pragma once

#include "codec.h"

namespace quorpix {

// Quality 90 and up keeps full colour resolution (4:4:4); below that chroma is halved both
// ways (4:2:0).
bool saveJpeg(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
