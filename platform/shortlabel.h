// Shortening a label to the room it has, the way the program's controls draw names.
#pragma once

#include <QString>
#include <functional>

// The label cut until `widthOf` it is at most `maxWidth`: one character at a time, the last
// two becoming ".." while more than four remain.
QString shortenedLabel(const QString& label, int maxWidth,
                       const std::function<int(const QString&)>& widthOf);
