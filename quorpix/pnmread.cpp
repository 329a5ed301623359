#include "pnmread.h"

#include "bytes.h"
#include "caps.h"

#include <cctype>

namespace quorpix {

namespace {

constexpr int kMaxValue = 65535;

// Reads the header's numbers and plain-format samples: whitespace and '#' comments between
// them are skipped.
class PnmScanner {
public:
    // Starts past the two-byte signature ("P1".."P6").
    explicit PnmScanner(std::span<const std::uint8_t> bytes) : bytes_(bytes), pos_(2) {}

    // A decimal number of at most limit, or -1.
    std::int64_t number(std::int64_t limit) {
        skipSpace();
        std::int64_t value = -1;
        while (pos_ < bytes_.size() && std::isdigit(bytes_[pos_])) {
            value = (value < 0 ? 0 : value) * 10 + (bytes_[pos_++] - '0');
            if (value > limit) {
                return -1;
            }
        }
        return value;
    }

    // One '0' or '1' of a plain bitmap, where digits may run together; -1 at a bad byte.
    int bit() {
        skipSpace();
        return pos_ < bytes_.size() && (bytes_[pos_] == '0' || bytes_[pos_] == '1')
                   ? bytes_[pos_++] - '0'
                   : -1;
    }

    // Raw data starts after the single whitespace byte that ends the header.
    bool endHeader() {
        if (pos_ >= bytes_.size() || !std::isspace(bytes_[pos_])) {
            return false;
        }
        ++pos_;
        return true;
    }

    std::size_t position() const { return pos_; }

private:
    void skipSpace() {
        while (pos_ < bytes_.size() && (std::isspace(bytes_[pos_]) || bytes_[pos_] == '#')) {
            if (bytes_[pos_] == '#') {
                while (pos_ < bytes_.size() && bytes_[pos_] != '\n' && bytes_[pos_] != '\r') {
                    ++pos_;
                }
            } else {
                ++pos_;
            }
        }
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t pos_;
};

struct PnmHeader {
    int kind = 0; // the digit of "P1".."P6"
    int width = 0;
    int height = 0;
    int maxValue = 1;
    int channels = 1;
    bool raw = false;
    std::uint64_t rowBytes = 0; // raw formats only
};

bool readHeader(PnmScanner& scanner, std::span<const std::uint8_t> bytes, PnmHeader& header) {
    if (bytes.size() < 3 || bytes[0] != 'P' || bytes[1] < '1' || bytes[1] > '6') {
        return false;
    }
    header.kind = bytes[1] - '0';
    header.raw = header.kind >= 4;
    header.channels = header.kind % 3 == 0 ? 3 : 1;
    const std::int64_t width = scanner.number(kMaxDimension);
    const std::int64_t height = scanner.number(kMaxDimension);
    const bool bitmap = header.kind == 1 || header.kind == 4;
    const std::int64_t maxValue = bitmap ? 1 : scanner.number(kMaxValue);
    if (!withinCaps(width, height) || maxValue < 1 || (header.raw && !scanner.endHeader())) {
        return false;
    }
    header.width = static_cast<int>(width);
    header.height = static_cast<int>(height);
    header.maxValue = static_cast<int>(maxValue);
    const int sampleBytes = maxValue > 255 ? 2 : 1;
    header.rowBytes = bitmap ? (width + 7) / 8 : width * header.channels * sampleBytes;
    return true;
}

// The whole raw pixel data must be in the file.
bool rawDataFits(const PnmHeader& header, std::size_t start, std::uint64_t fileSize) {
    return !header.raw ||
           (start <= fileSize && header.rowBytes * header.height <= fileSize - start);
}

// Sample c of pixel (x, y) of the raw data.
int rawSample(const PnmHeader& header, const std::uint8_t* data, int x, int y, int c) {
    const std::uint8_t* row = data + header.rowBytes * y;
    if (header.kind == 4) {
        return row[x / 8] >> (7 - x % 8) & 1;
    }
    const std::size_t index = static_cast<std::size_t>(x) * header.channels + c;
    return header.maxValue > 255 ? readBe16(row + 2 * index) : row[index];
}

// A sample as an 8-bit level; in bitmaps 1 is black. -1 for a value past the maximum.
int level(const PnmHeader& header, int sample) {
    if (sample < 0 || sample > header.maxValue) {
        return -1;
    }
    if (header.kind == 1 || header.kind == 4) {
        return sample ? 0 : 255;
    }
    return (sample * 255 + header.maxValue / 2) / header.maxValue;
}

template <typename Sample> bool decode(const PnmHeader& header, Picture& picture, Sample sample) {
    for (int y = 0; y < header.height; ++y) {
        std::uint8_t* out = picture.row(y);
        for (int x = 0; x < header.width; ++x, out += 3) {
            int levels[3];
            for (int c = 0; c < header.channels; ++c) {
                levels[c] = level(header, sample(x, y, c));
                if (levels[c] < 0) {
                    return false;
                }
            }
            const bool grey = header.channels == 1;
            out[0] = static_cast<std::uint8_t>(levels[grey ? 0 : 2]);
            out[1] = static_cast<std::uint8_t>(levels[grey ? 0 : 1]);
            out[2] = static_cast<std::uint8_t>(levels[0]);
        }
    }
    return true;
}

} // namespace

bool probePnm(std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    PnmScanner scanner(head);
    PnmHeader header;
    return readHeader(scanner, head, header) && rawDataFits(header, scanner.position(), fileSize);
}

bool loadPnm(Buffer file, const LoadOptions&, Picture& picture) {
    PnmScanner scanner(file.bytes());
    PnmHeader header;
    if (!readHeader(scanner, file.bytes(), header) ||
        !rawDataFits(header, scanner.position(), file.size())) {
        return false;
    }
    picture.width = header.width;
    picture.height = header.height;
    picture.allocateBgr();
    if (header.raw) {
        const std::uint8_t* data = file.data() + scanner.position();
        return decode(header, picture,
                      [&](int x, int y, int c) { return rawSample(header, data, x, y, c); });
    }
    if (header.kind == 1) {
        return decode(header, picture, [&](int, int, int) { return scanner.bit(); });
    }
    return decode(header, picture,
                  [&](int, int, int) { return static_cast<int>(scanner.number(header.maxValue)); });
}

} // namespace quorpix
