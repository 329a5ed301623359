// Reading BMP files into images; the 24-bit files quorpix writes take a fast path, since Qt's
// own reader converts them pixel by pixel.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A null image unless `bytes` hold an uncompressed 24-bit BMP with the common 40-byte header.
QImage plainBmp24(const QByteArray& bytes);

// The picture of a BMP file; a null image when it is not one.
QImage readBitmapFile(const QString& fileName);
