#include "designedlayout.h"

#include <QFontDatabase>

QFont designerFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(11);
    // Common Linux sans faces run wider than the designer's font; narrow them to fit the layout.
    font.setStretch(QFont::SemiCondensed);
    return font;
}
