// Where grabs go when the user has not chosen a folder.
#pragma once

#include <QString>

// The program's folder + "grabs" (a build tree, an unpacked folder); for an installed program,
// whose folder is a "bin" folder, the user's pictures folder + "/grabs".
QString defaultStorageFolder(const QString& programFolder, const QString& picturesFolder);
