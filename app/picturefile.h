// Writes the clipboard picture as the grab's BMP file.
#pragma once

#include <QImage>
#include <QString>

// 24 bits for a BMP that is kept; 32 bits for one converted at once, since a screen picture's
// memory is already laid out that way and needs no conversion.
enum class BmpDepth { Bits24, Bits32 };

// The picture as opaque pixels in the depth's byte order: transparent parts are laid onto
// white, as a pasted picture shows on paper, instead of turning black.
QImage flattenedOnWhite(const QImage& picture, BmpDepth depth);

// Writes the BMP atomically; throws AppError "Cannot create file <name>" with the reason.
void savePictureAsBmp(const QImage& picture, const QString& fileName, BmpDepth depth);
