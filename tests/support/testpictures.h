// Small pictures with known pixels for grab tests.
#pragma once

#include <QImage>

// An opaque picture whose every pixel depends on its position and `seed`.
QImage patternPicture(int width, int height, int seed = 0);

// The expected colour of patternPicture at (x, y).
QRgb patternColour(int x, int y, int seed);
