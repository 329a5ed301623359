#include "shortlabel.h"

QString shortenedLabel(const QString& label, int maxWidth,
                       const std::function<int(const QString&)>& widthOf) {
    QString text = label;
    while (!text.isEmpty() && widthOf(text) > maxWidth) {
        text.chop(1);
        if (text.size() > 4)
            text.replace(text.size() - 2, 2, QStringLiteral(".."));
    }
    return text;
}
