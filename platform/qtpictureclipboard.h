// Portable clipboard access through QClipboard, for platforms where it does not block.
#pragma once

#include "pictureclipboard.h"

#include <QObject>

class QtPictureClipboard final : public QObject, public PictureClipboard {
    Q_OBJECT
public:
    QtPictureClipboard();

    bool hasPicture() override;
    QImage takePicture() override;
    bool empty() override;

private:
    bool m_taken = false; // content already taken; cleared when the clipboard changes
};
