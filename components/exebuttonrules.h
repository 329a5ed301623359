// The program button's pure rules: what a file name shows, and the automatic size.
#pragma once

#include <QSize>
#include <QString>

struct ProgramParts {
    QString caption; // the file-name part without its extension
    QString path;    // the folder part with its trailing '/'
    QString ext;     // the extension in upper case, dot included; empty when there is none
};

ProgramParts programParts(const QString& fileName);

// The size an automatically sized button takes for an icon of `iconSize` pixels.
QSize exeButtonSize(int iconSize, bool showLabel, bool showIcon);
