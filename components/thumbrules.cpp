#include "thumbrules.h"
#include "pathparts.h"

QString thumbnailCacheName(const QString& fileName, const QString& cacheDirectory) {
    const QString base =
        fileName.left(fileName.size() - extensionPart(fileName).size()) + QStringLiteral("._tm");
    if (cacheDirectory.isEmpty())
        return base;
    QString folder = folderPart(fileName);
    if (folder.endsWith(u'/'))
        folder.chop(1);
    return cacheDirectory + fileNamePart(folder) + fileNamePart(base);
}

int thumbnailJpegScale(int bitmapSize, bool renderMode, bool fullSize) {
    int scale = bitmapSize > 100 ? 1 : (bitmapSize >= 80 ? 2 : 3);
    if (renderMode)
        scale = 2;
    if (fullSize)
        scale = 0;
    return scale;
}

ThumbnailFit fitThumbnail(QSize picture, int side) {
    const double wide = static_cast<double>(picture.width()) / picture.height();
    const double tall = static_cast<double>(picture.height()) / picture.width();
    // The products are taken in extended precision, which 200 x 600 at 240 shows: 79, not 80.
    long long width = static_cast<long long>(static_cast<long double>(side) * wide);
    long long height = side;
    if (width > side) {
        width = side;
        height = static_cast<long long>(static_cast<long double>(side) * tall);
    }
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    return {QSize(w, h), QPoint((side - w) / 2 + 4, (side - h) / 2 + 4)};
}

FrameColours thumbnailFrameColours(bool border, bool down) {
    if (border)
        return down ? FrameColours{cl3DDkShadow, cl3DLight} : FrameColours{cl3DLight, cl3DDkShadow};
    return down ? FrameColours{cl3DDkShadow, cl3DDkShadow} : FrameColours{};
}
