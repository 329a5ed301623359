#include "storagefolder.h"
#include "pathparts.h"

#include <QDir>

QString defaultStorageFolder(const QString& programFolder, const QString& picturesFolder) {
    const QString folder = QDir::cleanPath(programFolder);
    if (fileNamePart(folder) == QLatin1String("bin"))
        return joinFolderAndName(QDir::cleanPath(picturesFolder), QStringLiteral("grabs"));
    return joinFolderAndName(folder, QStringLiteral("grabs"));
}
