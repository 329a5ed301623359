// The full-screen window of the viewer: the picture fitted to the screen on black.
#pragma once

#include <QImage>
#include <QWidget>

class QEventLoop;

class ViewerWindow final : public QWidget {
public:
    // loop is quit when the window closes.
    ViewerWindow(QImage picture, QEventLoop& loop);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage m_picture;
    QImage m_fitted; // m_picture scaled to the window, made once per size
    QEventLoop& m_loop;
};
