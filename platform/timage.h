// Hidden picture holder: keeps the last grab as an image without converting it for display.
#pragma once

#include <QImage>
#include <QLabel>

class TImage final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    const QImage& Picture() const { return m_picture; }
    void setPicture(const QImage& picture) { m_picture = picture; }

private:
    QImage m_picture;
};
