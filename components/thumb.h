// Thumbnail of one picture file of any format quorpix reads, fitted into a square of
// BitmapSize pixels, with an optional name label, 3-D frame and on-disk cache.
#pragma once

#include "tcolor.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

class QuorpixLibrary;

class TThumbnail : public QWidget {
    Q_OBJECT
public:
    explicit TThumbnail(QWidget* parent = nullptr);
    ~TThumbnail() override;

    TColor ColorUp = clBtnFace;
    TColor ColorDown = clBtnFace;
    QString CacheDirectory;
    bool Greyscale = false;
    bool FullSize = false;

    QString FileName() const { return m_fileName; }
    virtual void setFileName(const QString& fileName);
    bool Down() const { return m_down; }
    virtual void setDown(bool down);
    bool UseCache() const { return m_readCache; }
    virtual void setUseCache(bool useCache);
    bool WasCached() const { return m_wasCached; }
    int BitmapSize() const { return m_bitmapSize; }
    virtual void setBitmapSize(int size);
    bool ShowLabel() const { return m_showLabel; }
    virtual void setShowLabel(bool show);
    bool Border() const { return m_border; }
    virtual void setBorder(bool border);

    // Loads the picture for `fileName` (the cache file, or through quorpix). Throws AppError
    // when a file that should hold a bitmap does not.
    void LoadThumbnail(const QString& fileName);
    void RebuildCache();
    // Writes the picture at `size` pixels (instead of BitmapSize) as a BMP file.
    void RenderToFile(const QString& fileName, int size);
    // Writes the shown picture as a BMP file; to the cache file when the name is empty.
    void SaveThumbnail(const QString& fileName);
    void DeleteCacheFile();

    bool hasPicture() const { return m_hasPicture; }
    QPoint picturePosition() const { return m_position; }
    const QImage& displayBitmap() const { return m_display; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int controlHeight() const { return m_bitmapSize + (m_showLabel ? 20 : 8); }
    void applySize();
    bool readCache();
    void convertAndFit(QuorpixLibrary& library, const QString& fileName);
    void adoptPicture(const QImage& picture);
    QColor controlColour() const;
    void paintFrame(QPainter& painter);
    void paintLabel(QPainter& painter);

    QString m_fileName;
    QString m_label;
    QString m_cacheName;
    bool m_down = false;
    bool m_readCache = false;
    bool m_writeCache = false;
    bool m_wasCached = false;
    bool m_hasPicture = false;
    bool m_showLabel = true;
    bool m_border = true;
    int m_bitmapSize = 80;
    int m_renderSize = 0;
    std::optional<TColor> m_colour; // follows the parent's colour until Down is assigned
    QImage m_display;
    QImage m_render;
    QPoint m_position;
    unsigned char m_workBlock[1024] = {};
};
