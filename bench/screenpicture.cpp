#include "screenpicture.h"

#include <QLinearGradient>
#include <QPainter>

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
