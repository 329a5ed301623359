// What a folder holds, hidden files included, so a leftover temporary file shows.
#pragma once

#include <QStringList>

QStringList folderEntries(const QString& folder);
