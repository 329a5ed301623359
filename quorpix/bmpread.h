// Reading BMP files.
#pragma once

#include "codec.h"

namespace quorpix {

bool probeBmp(std::span<const std::uint8_t> head, std::uint64_t fileSize);

// Rows the encoders take as they are (B,G,R and 32-bit B,G,R,X or R,G,B,X) stay in the file's
// buffer; other layouts are decoded into B,G,R rows.
bool loadBmp(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
