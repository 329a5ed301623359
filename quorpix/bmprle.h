// Decoding a BMP's run-length coded (RLE4 and RLE8) pixels.
#pragma once

#include "bmppalette.h"
#include "picture.h"

#include <span>

namespace quorpix {

// Decodes the coded stream into the picture's B,G,R rows, bottom row first. Pixels the
// stream skips stay black. False for a run past a row or the picture, an index past the
// colour table, or a stream that ends before its end-of-picture code.
bool decodeBmpRle(std::span<const std::uint8_t> stream, bool fourBits, const BmpPalette& palette,
                  Picture& picture);

} // namespace quorpix
