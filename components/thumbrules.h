// The thumbnail's pure rules: cache names, the JPEG scale asked for, the fit, label shortening.
#pragma once

#include "tcolor.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <optional>

// "<file without extension>._tm" beside the picture, or, with a cache folder, that folder's
// text followed directly by the picture's folder name and that file name.
QString thumbnailCacheName(const QString& fileName, const QString& cacheDirectory);

// JPEG scale code for the library: 1 above 100 pixels, 2 from 80 to 100, 3 below; 2 when
// rendering; 0 whenever full size is asked for.
int thumbnailJpegScale(int bitmapSize, bool renderMode, bool fullSize);

struct ThumbnailFit {
    QSize size;   // of the resized copy; a 0 side keeps the picture's own side
    QPoint place; // top-left of the picture in the control
};

// Fits a picture into the square of side `side`: the larger side becomes `side`, the aspect
// is kept; centred with a 4-pixel margin.
ThumbnailFit fitThumbnail(QSize picture, int side);

// Frame colours by Border and Down; nullopt stands for the control's own colour.
struct FrameColours {
    std::optional<TColor> topLeft;
    std::optional<TColor> bottomRight;
};
FrameColours thumbnailFrameColours(bool border, bool down);
