#include "testfolder.h"
#include "folderentries.h"
#include "thumb.h"

#include <gtest/gtest.h>

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

void expectGrabNotShown(TThumbnail& thumb) {
    TempFolderScope temp;
    QTemporaryDir pictures;
    thumb.setFileName(savePicture(pictures, "grab.bmp", solidPicture(20, 20, qRgb(5, 5, 5))));
    EXPECT_FALSE(thumb.hasPicture());
    EXPECT_TRUE(temp.entries().isEmpty());
}
