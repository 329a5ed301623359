#include "screenpicture.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
// A photo-like texture: smooth shading with fine grain, which JPEG cannot shrink to nothing.
void paintPhoto(QImage& screen, const QRect& area) {
    quint32 grain = 12345;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(screen.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            grain = grain * 1664525u + 1013904223u;
            const int noise = static_cast<int>(grain >> 27) - 16;
            const int shade = (x * 3 + y * 2) % 256;
            row[x] = qRgb(qBound(0, shade + noise, 255), qBound(0, (x ^ y) % 256 + noise, 255),
                          qBound(0, 255 - shade + noise, 255));
        }
    }
}
} // namespace

QImage screenPicture(int width, int height) {
    QImage screen(width, height, QImage::Format_RGB32);
    QPainter painter(&screen);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(30, 60, 120));
    sky.setColorAt(1, QColor(200, 120, 60));
    painter.fillRect(screen.rect(), sky);
    const int panelWidth = width / 3;
    for (int panel = 0; panel < 3; ++panel) {
        const QRect area(panel * panelWidth + 20, 40, panelWidth - 40, height - 80);
        if (panel == 2) {
            paintPhoto(screen, area);
            continue;
        }
        painter.fillRect(area, panel == 1 ? QColor(250, 250, 250) : QColor(40, 42, 54));
        painter.setPen(panel == 1 ? Qt::black : QColor(220, 220, 170));
        QFont font = painter.font();
        font.setPixelSize(14);
        painter.setFont(font);
        for (int line = area.top() + 16; line < area.bottom(); line += 18)
            painter.drawText(area.left() + 8, line,
                             QStringLiteral("%1: the quick brown fox jumps over the lazy dog 0x%2")
                                 .arg(line)
                                 .arg(line * 2654435761u % 65536, 4, 16, QLatin1Char('0')));
    }
    return screen;
}
