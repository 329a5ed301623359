#include "tempfolder.h"

#include <QTemporaryFile>

QString tempFolder() {
    for (const char* variable : {"TEMP", "TMP", "TMPDIR"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty())
            return folder;
    }
    return QStringLiteral("/tmp");
}

QString makeTemporaryFile(const QString& suffix) {
    QTemporaryFile file(tempFolder() + QStringLiteral("/clipstash-XXXXXX") + suffix);
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}
