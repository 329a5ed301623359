#include "testfolder.h"

#include <QDir>

TempFolderScope::TempFolderScope() : m_savedTemp(qgetenv("TEMP")) {
    qputenv("TEMP", m_dir.path().toLocal8Bit());
}

TempFolderScope::~TempFolderScope() {
    qputenv("TEMP", m_savedTemp);
}

QStringList TempFolderScope::entries() const {
    return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

QImage solidPicture(int width, int height, QRgb colour) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}
