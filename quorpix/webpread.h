// Reading WebP files through libwebp.
#pragma once

#include "codec.h"

namespace quorpix {

bool probeWebp(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Lossy and lossless still pictures, transparency laid onto white; animations are refused.
bool loadWebp(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
