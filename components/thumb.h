// Thumbnail preview of the current grab. For now it only holds what the window sets; the
// picture loading and drawing arrive with the image-library work.
#pragma once

#include <QString>
#include <QWidget>

class TThumbnail final : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    QString FileName() const { return m_fileName; }
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    bool ShowLabel() const { return m_showLabel; }
    void setShowLabel(bool show) { m_showLabel = show; }
    int BitmapSize() const { return m_bitmapSize; }
    void setBitmapSize(int size) { m_bitmapSize = size; }
    bool Border() const { return m_border; }
    void setBorder(bool border) { m_border = border; }

private:
    QString m_fileName;
    bool m_showLabel = true;
    int m_bitmapSize = 80;
    bool m_border = true;
};
