#include "exif.h"

#include "bytes.h"

#include <cstring>

namespace quorpix {

namespace {

constexpr int kAsStored = 1;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::uint8_t kApp1 = 0xE1;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;

// Reads EXIF's TIFF structure in the byte order its header names.
class TiffReader {
public:
    explicit TiffReader(std::span<const std::uint8_t> data) : data_(data) {}

    bool start() {
        if (data_.size() < 8 ||
            (std::memcmp(data_.data(), "II", 2) != 0 && std::memcmp(data_.data(), "MM", 2) != 0)) {
            return false;
        }
        big_ = data_[0] == 'M';
        return u16(2) == 42;
    }

    bool has(std::size_t at, std::size_t length) const {
        return at <= data_.size() && length <= data_.size() - at;
    }

    std::uint16_t u16(std::size_t at) const {
        return big_ ? readBe16(&data_[at]) : readLe16(&data_[at]);
    }

    std::uint32_t u32(std::size_t at) const {
        return big_ ? readBe32(&data_[at]) : readLe32(&data_[at]);
    }

private:
    std::span<const std::uint8_t> data_;
    bool big_ = false;
};

int orientationIn(std::span<const std::uint8_t> tiff) {
    TiffReader reader(tiff);
    if (!reader.start()) {
        return kAsStored;
    }
    const std::uint32_t ifd = reader.u32(4);
    if (!reader.has(ifd, 2)) {
        return kAsStored;
    }
    const int entries = reader.u16(ifd);
    for (int i = 0; i < entries && reader.has(ifd + 2 + 12 * i, 12); ++i) {
        const std::size_t entry = ifd + 2 + 12 * i;
        if (reader.u16(entry) == kOrientationTag && reader.u16(entry + 2) == kShortType) {
            const int value = reader.u16(entry + 8);
            return value >= 1 && value <= 8 ? value : kAsStored;
        }
    }
    return kAsStored;
}

} // namespace

int jpegOrientation(std::span<const std::uint8_t> jpeg) {
    std::size_t pos = 2; // past the start-of-image marker
    while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
        const std::uint8_t marker = jpeg[pos + 1];
        if (marker == kStartOfScan || marker == kEndOfImage) {
            break;
        }
        const std::size_t length = readBe16(&jpeg[pos + 2]);
        if (length < 2 || pos + 2 + length > jpeg.size()) {
            break;
        }
        const std::span<const std::uint8_t> body = jpeg.subspan(pos + 4, length - 2);
        if (marker == kApp1 && body.size() >= 6 && std::memcmp(body.data(), "Exif\0\0", 6) == 0) {
            return orientationIn(body.subspan(6));
        }
        pos += 2 + length;
    }
    return kAsStored;
}

} // namespace quorpix
