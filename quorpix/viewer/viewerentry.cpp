// The viewer module's one entry point, which the quorpix module looks up by name.
#include "viewerimage.h"
#include "viewerwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <cstring>

namespace {

// A copy of the pixels in a QImage of its own, whatever the row order handed over.
QImage toImage(const QuorpixViewImage& image) {
    QImage copy(image.width, image.height, QImage::Format_BGR888);
    const std::size_t rowBytes = 3 * static_cast<std::size_t>(image.width);
    for (int y = 0; y < image.height; ++y) {
        std::memcpy(copy.scanLine(y), image.topRow + y * image.stride, rowBytes);
    }
    return copy;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int
quorpix_viewer_show(const QuorpixViewImage* image) {
    // Widgets need the program's application object; a caller without one sees nothing.
    if (!image || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return 0;
    }
    // A local loop keeps the caller's timers and other events going while the picture shows.
    QEventLoop loop;
    ViewerWindow window(toImage(*image), loop);
    window.showFullScreen();
    window.activateWindow();
    loop.exec();
    return 1;
}
