#include "thumb.h"
#include "apperror.h"
#include "bevelframe.h"
#include "bitmapfile.h"
#include "pathparts.h"
#include "quorpix.h"
#include "quorpixlibrary.h"
#include "shortlabel.h"
#include "tempfolder.h"
#include "thumbrules.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>

namespace {
QImage readBitmap(const QString& fileName) {
    const QImage bitmap = readBitmapFile(fileName);
    if (bitmap.isNull())
        throw AppError(QStringLiteral("Bitmap image is not valid"), fileName);
    return bitmap;
}

// A resized copy; a requested side of 0 keeps the picture's own side.
QImage resizedCopy(const QImage& picture, int width, int height) {
    return picture.scaled(width > 0 ? width : picture.width(),
                          height > 0 ? height : picture.height(), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
}

void saveBitmap(const QImage& bitmap, const QString& fileName) {
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && bitmap.save(&file, "BMP"))
        file.commit();
}

// Puts a flag back however the scope is left.
class FlagRestorer {
public:
    FlagRestorer(bool& flag, bool value) : m_flag(flag), m_saved(flag) { m_flag = value; }
    ~FlagRestorer() { m_flag = m_saved; }
    FlagRestorer(const FlagRestorer&) = delete;
    FlagRestorer& operator=(const FlagRestorer&) = delete;

private:
    bool& m_flag;
    bool m_saved;
};
} // namespace

TThumbnail::TThumbnail(QWidget* parent) : QWidget(parent) {
    setGeometry(-120, -120, 88, 100);
}

TThumbnail::~TThumbnail() = default;

void TThumbnail::setFileName(const QString& fileName) {
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    LoadThumbnail(fileName);
    repaint();
}

void TThumbnail::setDown(bool down) {
    m_down = down;
    m_colour = down ? ColorDown : ColorUp;
    repaint();
}

void TThumbnail::setUseCache(bool useCache) {
    m_readCache = useCache;
    m_writeCache = useCache;
}

void TThumbnail::setBitmapSize(int size) {
    if (size == m_bitmapSize)
        return;
    m_bitmapSize = size;
    applySize();
    if (!m_hasPicture)
        return;
    if (m_readCache)
        RebuildCache();
    else
        LoadThumbnail(m_fileName);
}

void TThumbnail::setShowLabel(bool show) {
    if (show == m_showLabel)
        return;
    m_showLabel = show;
    applySize();
    repaint();
}

void TThumbnail::setBorder(bool border) {
    if (border == m_border)
        return;
    m_border = border;
    repaint();
}

void TThumbnail::applySize() {
    if (width() != m_bitmapSize + 8 || height() != controlHeight())
        resize(m_bitmapSize + 8, controlHeight());
}

void TThumbnail::LoadThumbnail(const QString& fileName) {
    m_wasCached = false;
    m_hasPicture = false;
    m_fileName = fileName;
    m_label = fileNamePart(fileName);
    m_cacheName = thumbnailCacheName(fileName, CacheDirectory);
    if (m_readCache && readCache())
        return;
    QuorpixLibrary library; // held for this one load only
    if (!library.load())
        return;
    convertAndFit(library, fileName);
    repaint();
}

bool TThumbnail::readCache() {
    if (!QFile(m_cacheName).open(QIODevice::ReadOnly))
        return false;
    m_display = readBitmap(m_cacheName);
    m_position = QPoint((m_bitmapSize - m_display.width()) / 2 + 4,
                        (m_bitmapSize - m_display.height()) / 2 + 4);
    m_wasCached = true;
    m_hasPicture = true;
    return true;
}

void TThumbnail::convertAndFit(QuorpixLibrary& library, const QString& fileName) {
    const auto convert = library.entry<AnyToBmpFn>(Greyscale ? "_anytogrey" : "_anytobmps");
    const auto valid = library.entry<PicValidFn>("_Pic_Valid");
    if (convert == nullptr || valid == nullptr)
        return;
    // A fresh owner-only file: never the picture itself, never a name another user can plant.
    const QString temporary = makeTemporaryFile(QStringLiteral(".bmp"));
    if (temporary.isEmpty())
        return;
    struct Remover {
        QString path;
        ~Remover() { QFile::remove(path); }
    } remover{temporary};
    const bool render = m_renderSize != 0;
    const QByteArray source = QFile::encodeName(fileName);
    const QByteArray target = QFile::encodeName(temporary);
    if ((valid(source.constData()) & 0xff) == 0 ||
        (convert(source.constData(), target.constData(), m_workBlock, render ? 2 : 1,
                 thumbnailJpegScale(m_bitmapSize, render, FullSize)) &
         0xff) == 0)
        return;
    adoptPicture(readBitmap(temporary));
}

void TThumbnail::adoptPicture(const QImage& picture) {
    const ThumbnailFit fit = fitThumbnail(picture.size(), m_bitmapSize);
    m_position = fit.place;
    if (m_renderSize != 0) {
        m_render = resizedCopy(picture, fit.size.width() * m_renderSize / m_bitmapSize,
                               fit.size.height() * m_renderSize / m_bitmapSize);
    } else {
        m_display = resizedCopy(picture, fit.size.width(), fit.size.height());
        if (m_writeCache)
            saveBitmap(m_display, m_cacheName);
    }
    m_hasPicture = true;
}

void TThumbnail::RebuildCache() {
    if (!m_readCache || m_fileName.isEmpty())
        return;
    const FlagRestorer noCacheRead(m_readCache, false);
    LoadThumbnail(m_fileName);
}

void TThumbnail::RenderToFile(const QString& fileName, int size) {
    if (size == 0)
        return;
    const FlagRestorer noCacheRead(m_readCache, false);
    m_renderSize = size;
    try {
        LoadThumbnail(m_fileName);
        saveBitmap(m_render, fileName);
    } catch (...) {
        m_render = QImage();
        m_renderSize = 0;
        throw;
    }
    m_render = QImage();
    m_renderSize = 0;
}

void TThumbnail::SaveThumbnail(const QString& fileName) {
    saveBitmap(m_display, fileName.isEmpty() ? m_cacheName : fileName);
}

void TThumbnail::DeleteCacheFile() {
    if (!m_cacheName.isEmpty())
        QFile::remove(m_cacheName);
}

QColor TThumbnail::controlColour() const {
    if (m_colour)
        return resolveColor(*m_colour, palette());
    const QWidget* parent = parentWidget();
    return parent != nullptr ? parent->palette().color(parent->backgroundRole())
                             : palette().color(QPalette::Window);
}

void TThumbnail::paintEvent(QPaintEvent*) {
    applySize();
    QPainter painter(this);
    painter.fillRect(rect(), controlColour());
    paintFrame(painter);
    paintLabel(painter);
    if (m_hasPicture)
        painter.drawImage(m_position, m_display);
}

void TThumbnail::paintFrame(QPainter& painter) {
    const FrameColours colours = thumbnailFrameColours(m_border, m_down);
    const QColor own = controlColour();
    const QColor topLeft = colours.topLeft ? resolveColor(*colours.topLeft, palette()) : own;
    const QColor bottomRight =
        colours.bottomRight ? resolveColor(*colours.bottomRight, palette()) : own;
    drawBevelFrame(painter, size(), topLeft, bottomRight);
}

void TThumbnail::paintLabel(QPainter& painter) {
    if (m_label.isEmpty() || !m_showLabel)
        return;
    const QFontMetrics metrics(font());
    const QString text = shortenedLabel(
        m_label, m_bitmapSize - 4, [&](const QString& t) { return metrics.horizontalAdvance(t); });
    const int textWidth = metrics.horizontalAdvance(text);
    const QRect box((m_bitmapSize - textWidth) / 2 + 4, controlHeight() - metrics.height() - 2,
                    textWidth, metrics.height());
    painter.fillRect(box, controlColour());
    painter.setPen(resolveColor(clWindowText, palette()));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
}
