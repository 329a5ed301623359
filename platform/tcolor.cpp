#include "tcolor.h"

#include <QPalette>

QColor resolveColor(TColor color, const QPalette& palette) {
    if ((color & 0x80000000) == 0)
        return QColor(color & 0xff, color >> 8 & 0xff, color >> 16 & 0xff);
    switch (color) {
    case cl3DDkShadow:
        return palette.color(QPalette::Shadow);
    case cl3DLight:
        return palette.color(QPalette::Midlight);
    case clWindowText:
        return palette.color(QPalette::WindowText);
    default:
        return palette.color(QPalette::Button);
    }
}
