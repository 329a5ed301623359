// Reading PNG files through libspng.
#pragma once

#include "codec.h"

namespace quorpix {

bool probePng(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Every colour type and depth, transparency laid onto white.
bool loadPng(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
