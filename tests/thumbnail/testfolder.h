// A private temporary folder for a test, made the program's TEMP so leftovers can be seen.
#pragma once

#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

class TThumbnail;

class TempFolderScope {
public:
    TempFolderScope();
    ~TempFolderScope();
    QString path() const { return m_dir.path(); }
    // Every entry of the folder, hidden ones included.
    QStringList entries() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedTemp;
};

// Saves `picture` as `name` in `folder` (its format from the name) and gives its path.
QString savePicture(const QTemporaryDir& folder, const QString& name, const QImage& picture);

// A picture of one colour, for tests that look at where it lands.
QImage solidPicture(int width, int height, QRgb colour);

// Points the thumbnail at a small BMP grab with TEMP watched, for module builds that cannot
// convert it: the thumbnail stays empty and no temporary file is left behind.
void expectGrabNotShown(TThumbnail& thumb);
