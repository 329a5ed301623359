#include "bmprle.h"

#include <cstring>

namespace quorpix {

namespace {

constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfPicture = 1;
constexpr std::uint8_t kDelta = 2;

class RleDecoder {
public:
    RleDecoder(std::span<const std::uint8_t> stream, bool fourBits, const BmpPalette& palette,
               Picture& picture)
        : in_(stream), fourBits_(fourBits), palette_(palette), picture_(picture) {}

    bool run() {
        while (pos_ + 2 <= in_.size()) {
            const std::uint8_t count = in_[pos_], value = in_[pos_ + 1];
            pos_ += 2;
            if (count > 0) {
                if (!repeat(count, value)) {
                    return false;
                }
            } else if (value == kEndOfPicture) {
                return true;
            } else if (!escape(value)) {
                return false;
            }
        }
        return false; // the stream ended without its end-of-picture code
    }

private:
    // count pixels of one byte: one index, or two alternating 4-bit ones.
    bool repeat(int count, std::uint8_t value) {
        for (int i = 0; i < count; ++i) {
            const int index = fourBits_ ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value;
            if (!put(index)) {
                return false;
            }
        }
        return true;
    }

    bool escape(std::uint8_t code) {
        if (code == kEndOfLine) {
            x_ = 0;
            ++y_;
            return true;
        }
        if (code == kDelta) {
            if (pos_ + 2 > in_.size()) {
                return false;
            }
            x_ += in_[pos_];
            y_ += in_[pos_ + 1];
            pos_ += 2;
            return x_ <= picture_.width && y_ <= picture_.height;
        }
        return literal(code);
    }

    // count indices stored as they are, padded to a 16-bit boundary.
    bool literal(int count) {
        const std::size_t bytes = fourBits_ ? (count + 1) / 2 : count;
        if (pos_ + bytes > in_.size()) {
            return false;
        }
        for (int i = 0; i < count; ++i) {
            const std::uint8_t byte = in_[pos_ + (fourBits_ ? i / 2 : i)];
            if (!put(fourBits_ ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte)) {
                return false;
            }
        }
        pos_ += (bytes + 1) & ~std::size_t{1};
        return true;
    }

    bool put(int index) {
        if (x_ >= picture_.width || y_ >= picture_.height) {
            return false;
        }
        return palette_.put(index, picture_.row(y_) + 3 * x_++);
    }

    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
    bool fourBits_;
    const BmpPalette& palette_;
    Picture& picture_;
    int x_ = 0;
    int y_ = 0;
};

} // namespace

bool decodeBmpRle(std::span<const std::uint8_t> stream, bool fourBits, const BmpPalette& palette,
                  Picture& picture) {
    picture.allocateBgr();
    std::memset(picture.firstRow, 0,
                static_cast<std::size_t>(picture.pitch) * static_cast<std::size_t>(picture.height));
    return RleDecoder(stream, fourBits, palette, picture).run();
}

} // namespace quorpix
