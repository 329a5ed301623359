// The folder for temporary files: TEMP, else TMP, else TMPDIR, else /tmp.
#pragma once

#include <QString>

QString tempFolder();

// The path of a new, empty, owner-only file in the temporary folder, unique among all users'
// files; empty when none can be made. `suffix` ends the name (".bmp").
QString makeTemporaryFile(const QString& suffix);
