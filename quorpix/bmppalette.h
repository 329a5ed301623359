// A BMP's colour table, shared by the plain and the run-length coded palette readers.
#pragma once

#include "bmpheader.h"

#include <array>
#include <cstdint>

namespace quorpix {

struct BmpPalette {
    std::array<std::uint8_t, 256 * 3> bgr{};
    int size = 0;

    // Copies index's colour to out; false for an index past the table, which marks a
    // damaged file.
    bool put(int index, std::uint8_t* out) const {
        if (index >= size) {
            return false;
        }
        const std::uint8_t* colour = &bgr[3 * index];
        out[0] = colour[0];
        out[1] = colour[1];
        out[2] = colour[2];
        return true;
    }
};

BmpPalette readBmpPalette(const BmpInfo& info, const std::uint8_t* file);

} // namespace quorpix
