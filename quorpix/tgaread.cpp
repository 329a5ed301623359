#include "tgaread.h"

#include "bytes.h"
#include "pixelops.h"
#include "tgaheader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace quorpix {

namespace {

constexpr std::uint8_t kOpaque = 255;

// B,G,R,A of one stored pixel or colour-map entry of 15 to 32 bits, or an 8-bit grey level.
void unpack(const std::uint8_t* in, int bits, bool alpha, std::uint8_t* out) {
    if (bits == 8) {
        out[0] = out[1] = out[2] = in[0];
    } else if (bits <= 16) {
        const int word = readLe16(in);
        for (int c = 0; c < 3; ++c) {
            const int five = word >> (5 * c) & 0x1F;
            out[c] = static_cast<std::uint8_t>(five << 3 | five >> 2);
        }
    } else {
        std::memcpy(out, in, 3);
    }
    out[3] = alpha ? in[3] : kOpaque;
}

// The colour map as 256 B,G,R,A entries indexed by pixel value, and which of them exist.
struct ColourMap {
    std::array<std::uint8_t, 256 * 4> bgra{};
    std::array<bool, 256> present{};
};

ColourMap readMap(const TgaInfo& info, const std::uint8_t* file) {
    ColourMap map;
    const int entryBytes = (info.mapEntryBits + 7) / 8;
    for (int i = 0; i < info.mapLength && info.mapFirst + i < 256; ++i) {
        const int value = info.mapFirst + i;
        unpack(file + info.mapOffset + entryBytes * i, info.mapEntryBits, false,
               &map.bgra[4 * value]);
        map.present[value] = true;
    }
    return map;
}

// Hands out the stored pixels in file order, through the run-length packets if coded.
class PixelStream {
public:
    PixelStream(const TgaInfo& info, std::span<const std::uint8_t> data, const ColourMap& map)
        : info_(info), data_(data), map_(map), bytes_((info.pixelBits + 7) / 8) {}

    bool next(std::uint8_t* out) {
        if (!info_.runLength) {
            return read(out);
        }
        if (left_ == 0 && !startPacket()) {
            return false;
        }
        --left_;
        if (repeat_ && !fresh_) {
            std::memcpy(out, pixel_.data(), 4);
            return true;
        }
        fresh_ = false;
        if (!read(pixel_.data())) {
            return false;
        }
        std::memcpy(out, pixel_.data(), 4);
        return true;
    }

    // Whether the last packet ended with the picture instead of running past it.
    bool finished() const { return left_ == 0; }

private:
    bool startPacket() {
        if (pos_ >= data_.size()) {
            return false;
        }
        const std::uint8_t header = data_[pos_++];
        repeat_ = header & 0x80;
        left_ = (header & 0x7F) + 1;
        fresh_ = true;
        return true;
    }

    bool read(std::uint8_t* out) {
        if (pos_ + bytes_ > data_.size()) {
            return false;
        }
        const std::uint8_t* in = &data_[pos_];
        pos_ += bytes_;
        if (!info_.colourMapped) {
            unpack(in, info_.pixelBits, info_.alpha, out);
            return true;
        }
        if (!map_.present[*in]) {
            return false;
        }
        std::memcpy(out, &map_.bgra[4 * *in], 4);
        return true;
    }

    const TgaInfo& info_;
    std::span<const std::uint8_t> data_;
    const ColourMap& map_;
    const std::size_t bytes_;
    std::size_t pos_ = 0;
    bool repeat_ = false;
    bool fresh_ = false;
    int left_ = 0;
    std::array<std::uint8_t, 4> pixel_{};
};

} // namespace

bool probeTga(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    TgaInfo info;
    return parseTgaHeader(head, fileSize, info);
}

bool loadTga(Buffer file, const LoadOptions&, Picture& picture) {
    TgaInfo info;
    if (!parseTgaHeader(file.bytes(), file.size(), info)) {
        return false;
    }
    picture.width = info.width;
    picture.height = info.height;
    picture.bottomUp = !info.topDown;
    picture.allocate(PixelOrder::Bgrx);
    const ColourMap map = readMap(info, file.data());
    PixelStream stream(info, file.bytes().subspan(info.pixelOffset), map);
    // Rows are kept in file order; a packet may run on into the next row but not past the
    // picture's last pixel.
    for (int y = 0; y < info.height; ++y) {
        std::uint8_t* row = picture.row(y);
        for (int x = 0; x < info.width; ++x) {
            if (!stream.next(row + 4 * x)) {
                return false;
            }
        }
        if (info.rightToLeft) {
            std::reverse(reinterpret_cast<std::uint32_t*>(row),
                         reinterpret_cast<std::uint32_t*>(row) + info.width);
        }
    }
    flattenOntoWhite(picture);
    return stream.finished();
}

} // namespace quorpix
