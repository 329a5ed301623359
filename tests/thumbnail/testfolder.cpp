#include "testfolder.h"
#include "folderentries.h"

TempFolderScope::TempFolderScope() : m_savedTemp(qgetenv("TEMP")) {
    qputenv("TEMP", m_dir.path().toLocal8Bit());
}

TempFolderScope::~TempFolderScope() {
    qputenv("TEMP", m_savedTemp);
}

QStringList TempFolderScope::entries() const {
    return folderEntries(m_dir.path());
}

QString savePicture(const QTemporaryDir& folder, const QString& name, const QImage& picture) {
    const QString path = folder.filePath(name);
    picture.save(path);
    return path;
}

QImage solidPicture(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}
