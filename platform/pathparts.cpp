#include "pathparts.h"

QString joinFolderAndName(const QString& folder, const QString& name) {
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

QString folderPart(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString fileNamePart(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

QString extensionPart(const QString& path) {
    const QString name = fileNamePart(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QStringList folderChain(const QString& folder) {
    QStringList chain{QStringLiteral("/")};
    const QStringList parts = folder.split(u'/', Qt::SkipEmptyParts);
    QString path;
    for (const QString& part : parts) {
        path += u'/' + part;
        chain << path;
    }
    return chain;
}
