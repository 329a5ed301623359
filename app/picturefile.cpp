#include "picturefile.h"
#include "apperror.h"

#include <QFile>
#include <QPainter>
#include <bmpwrite.h>

QImage flattenedOnWhite(const QImage& picture, BmpDepth depth) {
    // Format_RGB32 is B,G,R,0xFF in memory on little-endian machines: a 32-bit BMP row as is.
    const QImage::Format format =
        depth == BmpDepth::Bits32 ? QImage::Format_RGB32 : QImage::Format_BGR888;
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(format);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    return opaque.convertToFormat(format);
}

void savePictureAsBmp(const QImage& picture, const QString& fileName, BmpDepth depth) {
    const QImage pixels = flattenedOnWhite(picture, depth);
    const quorpix::BgrImageView view{pixels.width(), pixels.height(), pixels.bytesPerLine(),
                                     pixels.constBits(), pixels.depth() / 8};
    std::string reason;
    if (!quorpix::writeBmp(QFile::encodeName(fileName).toStdString(), view, &reason))
        throw AppError(QStringLiteral("Cannot create file %1").arg(fileName),
                       QString::fromLocal8Bit(reason));
}
