// The one EXIF field we use: how a camera says its JPEG must be turned to be seen upright.
#pragma once

#include <cstdint>
#include <span>

namespace quorpix {

// The orientation tag (1..8) of the JPEG's EXIF segment; 1, "as stored", when the file has
// none or a damaged one.
int jpegOrientation(std::span<const std::uint8_t> jpeg);

} // namespace quorpix
