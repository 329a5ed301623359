// Writing PPM files (raw, 8 bits a channel).
#pragma once

#include "codec.h"

namespace quorpix {

bool savePnm(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
