#include "bevelframe.h"

#include <QPainter>

void drawBevelFrame(QPainter& painter, QSize size, const QColor& topLeft,
                    const QColor& bottomRight) {
    const int w = size.width();
    const int h = size.height();
    painter.fillRect(0, 0, 1, h, topLeft);
    painter.fillRect(0, 0, w - 1, 1, topLeft);
    painter.fillRect(w - 1, 0, 1, h - 1, bottomRight);
    painter.fillRect(1, h - 1, w - 1, 1, bottomRight);
}
