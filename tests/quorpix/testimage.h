// Pictures with known pixels, and comparisons between them.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& out, const Rgb& colour);

struct TestImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels; // top row first

    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    friend bool operator==(const TestImage&, const TestImage&) = default;
};

std::ostream& operator<<(std::ostream& out, const TestImage& image);

// Each channel of each pixel differs, so swapped channels, rows or columns show.
TestImage manyColours(int width, int height);

// Only black, white and the six full-strength colours, which every depth holds exactly.
TestImage eightColours(int width, int height);

// Two colours in an irregular pattern, for 1-bit pictures.
TestImage twoColours(int width, int height);

// Four flat quadrants of distinct colours: survives JPEG well, and shows flips.
TestImage quadrants(int width, int height);

// Grey levels varying over the picture.
TestImage greyLevels(int width, int height);

// Mean absolute difference per channel over two pictures of the same size.
double meanDifference(const TestImage& a, const TestImage& b);
