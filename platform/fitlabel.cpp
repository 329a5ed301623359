#include "fitlabel.h"

#include <QLabel>

void fitLabel(QLabel* label) {
    label->resize(label->fontMetrics().horizontalAdvance(label->text()) + 1, 13);
}
