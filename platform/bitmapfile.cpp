#include "bitmapfile.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace {
constexpr qsizetype kHeaders = 14 + 40;

quint32 at32(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
quint16 at16(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
} // namespace

QImage plainBmp24(const QByteArray& bytes) {
    if (bytes.size() < kHeaders || !bytes.startsWith("BM") || at32(bytes, 14) != 40 ||
        at16(bytes, 26) != 1 || at16(bytes, 28) != 24 || at32(bytes, 30) != 0)
        return QImage();
    const qint64 width = static_cast<qint32>(at32(bytes, 18));
    const qint64 height = static_cast<qint32>(at32(bytes, 22));
    const qint64 rows = height < 0 ? -height : height;
    const qint64 offset = at32(bytes, 10);
    const qint64 pitch = (width * 3 + 3) & ~qint64{3};
    if (width <= 0 || rows == 0 || width > 32767 || rows > 32767 || offset < kHeaders ||
        offset + pitch * rows > bytes.size())
        return QImage();
    QImage picture(static_cast<int>(width), static_cast<int>(rows), QImage::Format_BGR888);
    if (picture.isNull())
        return picture;
    const char* pixels = bytes.constData() + offset;
    for (qint64 y = 0; y < rows; ++y) {
        const qint64 stored = height > 0 ? rows - 1 - y : y; // bottom-up unless height < 0
        std::memcpy(picture.scanLine(static_cast<int>(y)), pixels + stored * pitch,
                    static_cast<size_t>(width * 3));
    }
    return picture;
}

QImage readBitmapFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    const QImage fast = plainBmp24(bytes);
    return fast.isNull() ? QImage::fromData(bytes, "BMP") : fast;
}
