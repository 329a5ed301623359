#include "pictureclipboard.h"
#include "qtpictureclipboard.h"
#include "x11pictureclipboard.h"

#include <QGuiApplication>

std::unique_ptr<PictureClipboard> PictureClipboard::forThisPlatform() {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        if (auto x11 = X11PictureClipboard::connectToDisplay())
            return x11;
    return std::make_unique<QtPictureClipboard>();
}
