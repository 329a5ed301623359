// Parsing and checking a Truevision TGA header. TGA has no signature, so the checks are
// strict enough that no other format's file passes them.
#pragma once

#include <cstdint>
#include <span>

namespace quorpix {

struct TgaInfo {
    int width = 0;
    int height = 0;
    int pixelBits = 0; // 8, 15, 16, 24 or 32
    bool colourMapped = false;
    bool grey = false;
    bool runLength = false;
    bool topDown = false;
    bool rightToLeft = false;
    bool alpha = false; // 32-bit pixels whose fourth byte is alpha
    int mapFirst = 0;   // index of the colour map's first entry
    int mapLength = 0;
    int mapEntryBits = 0; // 15, 16, 24 or 32
    std::uint64_t mapOffset = 0;
    std::uint64_t pixelOffset = 0;
};

bool parseTgaHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, TgaInfo& info);

} // namespace quorpix
