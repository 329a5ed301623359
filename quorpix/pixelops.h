// In-place pixel transforms applied between decoding and encoding.
#pragma once

#include "picture.h"

namespace quorpix {

// Repacks 4-byte pixels into B,G,R in the same rows, for encoders that only take B,G,R.
void makeBgr(Picture& picture);

// Like makeBgr for 4-byte pixels whose fourth byte is alpha: lays them onto white, as a
// transparent picture shows on paper, instead of letting transparent parts turn black.
void flattenOntoWhite(Picture& picture);

// The same for alpha that was already multiplied into the colours.
void flattenPremultipliedOntoWhite(Picture& picture);

// Turns 4-byte C,M,Y,K pixels stored the Adobe way (255 = no ink) into B,G,R.
void inkToBgr(Picture& picture);

// Turns B,G,R pixels into grey levels (R = G = B); a grey pixel keeps its level.
void makeGrey(Picture& picture);

// Writes one row of B,G,R pixels as R,G,B, for the formats that store that order.
void bgrToRgb(const std::uint8_t* in, std::uint8_t* out, int width);

} // namespace quorpix
