#include "qtpictureclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
const QMimeData* clipboardData() {
    return QGuiApplication::clipboard()->mimeData();
}
} // namespace

QtPictureClipboard::QtPictureClipboard() {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { m_taken = false; });
}

bool QtPictureClipboard::hasPicture() {
    const QMimeData* data = clipboardData();
    return !m_taken && data != nullptr && data->hasImage();
}

QImage QtPictureClipboard::takePicture() {
    const QMimeData* data = clipboardData();
    QImage picture = data != nullptr ? qvariant_cast<QImage>(data->imageData()) : QImage();
    m_taken = picture.isNull();
    return picture;
}

bool QtPictureClipboard::empty() {
    QGuiApplication::clipboard()->clear();
    const QMimeData* data = clipboardData();
    const bool gone = data == nullptr || !data->hasImage();
    m_taken = !gone;
    return gone;
}
