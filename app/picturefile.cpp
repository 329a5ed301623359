#include "picturefile.h"
#include "apperror.h"

#include <QFile>
#include <QPainter>
#include <bmpwrite.h>

QImage flattenedOnWhite(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return picture.convertToFormat(QImage::Format_BGR888);
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    painter.end();
    return opaque.convertToFormat(QImage::Format_BGR888);
}

void savePictureAsBmp(const QImage& picture, const QString& fileName) {
    const QImage pixels = flattenedOnWhite(picture);
    const quorpix::BgrImageView view{pixels.width(), pixels.height(), pixels.bytesPerLine(),
                                     pixels.constBits()};
    std::string reason;
    if (!quorpix::writeBmp24(QFile::encodeName(fileName).toStdString(), view, &reason))
        throw AppError(QStringLiteral("Cannot create file %1").arg(fileName),
                       QString::fromLocal8Bit(reason));
}
