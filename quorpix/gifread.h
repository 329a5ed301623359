// Reading GIF files through giflib.
#pragma once

#include "codec.h"

namespace quorpix {

bool probeGif(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// The first frame on its logical screen; transparent and uncovered parts show white.
bool loadGif(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
