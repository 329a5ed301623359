#include "exebuttonrules.h"
#include "pathparts.h"

namespace {
constexpr int kLabelWidth = 64;
} // namespace

ProgramParts programParts(const QString& fileName) {
    const QString ext = extensionPart(fileName).toUpper();
    const QString name = fileNamePart(fileName);
    return {name.left(name.size() - ext.size()), folderPart(fileName), ext};
}

QSize exeButtonSize(int iconSize, bool showLabel, bool showIcon) {
    const int height = iconSize + 8;
    int width = height;
    if (showLabel) {
        width += kLabelWidth;
        if (!showIcon)
            width -= iconSize;
    }
    return {width, height};
}
