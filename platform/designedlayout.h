// Windows laid out as designed: each control at a fixed geometry, all in the designer's font.
#pragma once

#include <QFont>

// Sets the widget's designed geometry and hands it back, so a control is made and placed in one
// expression.
template <typename Widget>
Widget* placed(Widget* widget, int left, int top, int width, int height) {
    widget->setGeometry(left, top, width, height);
    return widget;
}

// The desktop's interface face at the designer's 11-pixel size.
QFont designerFont();
