// Writes the clipboard picture as the grab's BMP file.
#pragma once

#include <QImage>
#include <QString>

// The picture as opaque 24-bit pixels: transparent parts are laid onto white, as a pasted
// picture shows on paper, instead of turning black.
QImage flattenedOnWhite(const QImage& picture);

// Writes a 24-bit BMP atomically; throws AppError "Cannot create file <name>" with the reason.
void savePictureAsBmp(const QImage& picture, const QString& fileName);
