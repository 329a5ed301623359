// Turning a decoded picture upright by its EXIF orientation.
#pragma once

#include "picture.h"

namespace quorpix {

// Rotates and mirrors top-down B,G,R rows as orientation 1..8 asks; 1 leaves them as they are.
void applyOrientation(Picture& picture, int orientation);

} // namespace quorpix
