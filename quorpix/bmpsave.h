// The BMP entry of the format table: any decoded picture to a 24-bit BMP.
#pragma once

#include "codec.h"

namespace quorpix {

bool saveBmp(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
