// Writing Truevision TGA files: plain 24-bit true colour, bottom row first.
#pragma once

#include "codec.h"

namespace quorpix {

bool saveTga(Picture& picture, const std::string& path, int quality, std::string* error);

} // namespace quorpix
