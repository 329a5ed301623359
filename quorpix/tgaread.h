// Reading Truevision TGA files: colour-mapped, true-colour and grey, plain or run-length coded.
#pragma once

#include "codec.h"

namespace quorpix {

bool probeTga(std::span<const std::uint8_t> head, std::uint64_t fileSize);

bool loadTga(Buffer file, const LoadOptions& options, Picture& picture);

} // namespace quorpix
