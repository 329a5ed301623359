#include "testimage.h"

#include <cstdlib>

namespace {

template <typename Colour> TestImage generate(int width, int height, Colour colour) {
    TestImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back(colour(x, y));
        }
    }
    return image;
}

std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    return out << '(' << int{colour.r} << ',' << int{colour.g} << ',' << int{colour.b} << ')';
}

std::ostream& operator<<(std::ostream& out, const TestImage& image) {
    out << image.width << 'x' << image.height << " picture";
    return out;
}

TestImage manyColours(int width, int height) {
    return generate(width, height, [](int x, int y) {
        return Rgb{byte(x * 37 + y * 11 + 5), byte(x * 7 + y * 53 + 40), byte(x * x + 3 * y + 90)};
    });
}

TestImage eightColours(int width, int height) {
    return generate(width, height, [](int x, int y) {
        const int index = (x + 3 * y) % 8;
        return Rgb{byte(index & 1 ? 255 : 0), byte(index & 2 ? 255 : 0), byte(index & 4 ? 255 : 0)};
    });
}

TestImage twoColours(int width, int height) {
    return generate(width, height, [](int x, int y) {
        return (x * 5 + y * 3) % 7 < 3 ? Rgb{200, 30, 90} : Rgb{10, 220, 140};
    });
}

TestImage quadrants(int width, int height) {
    return generate(width, height, [width, height](int x, int y) {
        const bool right = 2 * x >= width;
        const bool bottom = 2 * y >= height;
        if (bottom) {
            return right ? Rgb{230, 220, 40} : Rgb{30, 40, 210};
        }
        return right ? Rgb{30, 200, 40} : Rgb{220, 30, 30};
    });
}

TestImage greyLevels(int width, int height) {
    return generate(width, height, [](int x, int y) {
        const std::uint8_t level = byte(x * 29 + y * 71);
        return Rgb{level, level, level};
    });
}

double meanDifference(const TestImage& a, const TestImage& b) {
    double total = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        total += std::abs(a.pixels[i].r - b.pixels[i].r) + std::abs(a.pixels[i].g - b.pixels[i].g) +
                 std::abs(a.pixels[i].b - b.pixels[i].b);
    }
    return total / (3.0 * static_cast<double>(a.pixels.size()));
}
