#include "tgaheader.h"

#include "bytes.h"
#include "caps.h"

namespace quorpix {

namespace {

constexpr std::uint64_t kHeaderSize = 18;

bool trueColourBits(int bits) {
    return bits == 15 || bits == 16 || bits == 24 || bits == 32;
}

// Image types 1..3 are colour-mapped, true-colour and grey; 9..11 the same run-length coded.
bool readType(int type, int mapType, int pixelBits, TgaInfo& info) {
    info.runLength = type >= 9;
    const int kind = info.runLength ? type - 8 : type;
    info.colourMapped = kind == 1;
    info.grey = kind == 3;
    if (kind < 1 || kind > 3 || mapType > 1 || (info.colourMapped && mapType != 1)) {
        return false;
    }
    return kind == 2 ? trueColourBits(pixelBits) : pixelBits == 8;
}

// Without a map (type 0) the map fields mean nothing, whatever they hold.
bool readMap(const std::uint8_t* header, TgaInfo& info) {
    if (header[1] == 0) {
        return true;
    }
    info.mapFirst = readLe16(header + 3);
    info.mapLength = readLe16(header + 5);
    info.mapEntryBits = header[7];
    return trueColourBits(info.mapEntryBits) && info.mapLength > 0;
}

} // namespace

bool parseTgaHeader(std::span<const std::uint8_t> head, std::uint64_t fileSize, TgaInfo& info) {
    if (head.size() < kHeaderSize) {
        return false;
    }
    const std::uint8_t* header = head.data();
    const int descriptor = header[17];
    info.width = readLe16(header + 12);
    info.height = readLe16(header + 14);
    info.pixelBits = header[16];
    info.topDown = descriptor & 0x20;
    info.rightToLeft = descriptor & 0x10;
    info.alpha = info.pixelBits == 32 && (descriptor & 0x0F) == 8;
    // The top two descriptor bits name an interleaving nobody writes: a sign of another format.
    if (!readType(header[2], header[1], info.pixelBits, info) || !readMap(header, info) ||
        (descriptor & 0xC0) != 0 || !withinCaps(info.width, info.height, 4)) {
        return false;
    }
    info.mapOffset = kHeaderSize + header[0];
    const std::uint64_t mapBytes =
        header[1] ? std::uint64_t{(info.mapEntryBits + 7u) / 8} * info.mapLength : 0;
    info.pixelOffset = info.mapOffset + mapBytes;
    const std::uint64_t pixelBytes = std::uint64_t{(info.pixelBits + 7u) / 8} * info.width *
                                     static_cast<std::uint64_t>(info.height);
    // Run-length coded pixels need at least one packet; plain ones must all be there.
    const std::uint64_t needed = info.runLength ? 2 : pixelBytes;
    return info.pixelOffset <= fileSize && needed <= fileSize - info.pixelOffset;
}

} // namespace quorpix
