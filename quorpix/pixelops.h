// In-place pixel transforms applied between decoding and encoding.
#pragma once

#include "picture.h"

namespace quorpix {

// Repacks 4-byte pixels into B,G,R in the same rows, for encoders that only take B,G,R.
void makeBgr(Picture& picture);

// Turns B,G,R pixels into grey levels (R = G = B); a grey pixel keeps its level.
void makeGrey(Picture& picture);

} // namespace quorpix
