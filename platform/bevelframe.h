// The one-pixel 3-D frame of the program's controls.
#pragma once

#include <QColor>
#include <QSize>

class QPainter;

// As line drawing that leaves out each line's end point: from the bottom-left corner up and
// along the top in `topLeft`, then down the right side and back along the bottom in
// `bottomRight`.
void drawBevelFrame(QPainter& painter, QSize size, const QColor& topLeft,
                    const QColor& bottomRight);
