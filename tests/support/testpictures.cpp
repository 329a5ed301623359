#include "testpictures.h"

QRgb patternColour(int x, int y, int seed) {
    return qRgb((x * 7 + seed * 31) & 0xff, (y * 5 + seed * 17) & 0xff, (x + y + seed * 13) & 0xff);
}

QImage patternPicture(int width, int height, int seed) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, patternColour(x, y, seed));
    return picture;
}
