// The fast BMP path: exact pixels for the files it takes, refusal (null) for everything else.
#include "bitmapfile.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
QByteArray bmpOf(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

QImage pattern(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb(x * 40, y * 60, (x + y) * 20));
    return picture;
}

void put32(QByteArray& bytes, int at, qint32 value) {
    qToLittleEndian(value, bytes.data() + at);
}
} // namespace

TEST(BitmapFile, ReadsBottomUpAndTopDownRowsExactly) {
    const QImage picture = pattern(5, 3); // 15-byte rows padded to 16
    QByteArray bytes = bmpOf(picture);
    ASSERT_EQ(plainBmp24(bytes).convertToFormat(QImage::Format_RGB32), picture);

    // The same rows stored top-down, as a negative height says.
    QByteArray topDown = bytes;
    const int offset = qFromLittleEndian<qint32>(bytes.constData() + 10);
    for (int row = 0; row < 3; ++row)
        std::memcpy(topDown.data() + offset + row * 16, bytes.constData() + offset + (2 - row) * 16,
                    16);
    put32(topDown, 22, -3);
    EXPECT_EQ(plainBmp24(topDown).convertToFormat(QImage::Format_RGB32), picture);
}

TEST(BitmapFile, RefusesWhatItDoesNotTake) {
    const QByteArray good = bmpOf(pattern(5, 3));
    struct Case {
        const char* what;
        int at;
        qint32 value;
    };
    const Case cases[] = {{"zero width", 18, 0},
                          {"negative width", 18, -5},
                          {"zero height", 22, 0},
                          {"huge width", 18, 1 << 30},
                          {"8 bits a pixel", 28, 8},
                          {"compressed", 30, 1},
                          {"pixels past the end", 10, 4000},
                          {"offset inside headers", 10, 20}};
    for (const Case& c : cases) {
        QByteArray bad = good;
        if (c.at == 28)
            qToLittleEndian(static_cast<quint16>(c.value), bad.data() + c.at);
        else
            put32(bad, c.at, c.value);
        EXPECT_TRUE(plainBmp24(bad).isNull()) << c.what;
    }
    EXPECT_TRUE(plainBmp24(good.left(good.size() - 1)).isNull()) << "truncated";
    EXPECT_TRUE(plainBmp24(QByteArray("BM")).isNull());
}
