#include "grabnames.h"

#include <algorithm>
#include <cmath>
#include <limits>

QString grabFolderText(const QString& storageFolder) {
    return storageFolder == QLatin1String("/") ? QString() : storageFolder;
}

QString composeGrabName(const QString& folderText, const QString& prefix, int number,
                        const QString& extension) {
    return QStringLiteral("%1/%2%3%4")
        .arg(folderText, prefix, QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')),
             extension);
}

int wrapGrabCounter(int counter, int maximum) {
    return counter >= maximum ? 0 : counter;
}

int truncatedOption(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::clamp(value, lowest, highest)));
}
