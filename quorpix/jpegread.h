// Reading JPEG files through TurboJPEG.
#pragma once

#include "codec.h"

namespace quorpix {

bool probeJpeg(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Decodes into B,G,R rows, scaled down by the DCT when options.jpegScale asks for it.
bool loadJpeg(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
