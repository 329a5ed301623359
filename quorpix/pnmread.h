// Reading the Netpbm formats: PBM, PGM and PPM, plain (text) and raw (binary).
#pragma once

#include "codec.h"

namespace quorpix {

bool probePnm(std::span<const std::uint8_t> head, std::uint64_t fileSize);

bool loadPnm(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
