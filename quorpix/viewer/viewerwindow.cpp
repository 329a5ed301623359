#include "viewerwindow.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPainter>

ViewerWindow::ViewerWindow(QImage picture, QEventLoop& loop)
    : m_picture(std::move(picture)), m_loop(loop) {
    setObjectName(QStringLiteral("quorpixViewer"));
    setWindowTitle(QStringLiteral("quorpix"));
    setCursor(Qt::BlankCursor);
}

void ViewerWindow::resizeEvent(QResizeEvent*) {
    // Fitted both ways, keeping the picture's proportions; small pictures are enlarged too.
    m_fitted = m_picture.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void ViewerWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawImage((width() - m_fitted.width()) / 2, (height() - m_fitted.height()) / 2,
                      m_fitted);
}

void ViewerWindow::keyPressEvent(QKeyEvent*) {
    close();
}

void ViewerWindow::mousePressEvent(QMouseEvent*) {
    close();
}

void ViewerWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    m_loop.quit();
}
