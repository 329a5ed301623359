#include "ExeButtn.h"
#include "bevelframe.h"
#include "desktoplauncher.h"
#include "exebuttonrules.h"
#include "shortlabel.h"
#include "tcolor.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kIconLeft = 4;
constexpr int kIconTop = 4;
} // namespace

TExeButton::TExeButton(QWidget* parent) : QWidget(parent) {}

void TExeButton::StoreIcon(const QIcon& icon) {
    m_largeIcon = icon;
    const QPixmap large = icon.pixmap(32, 32);
    m_smallIcon = large.isNull()
                      ? QPixmap()
                      : large.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TExeButton::StoreFileName(const QString& fileName) {
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    const ProgramParts parts = programParts(fileName);
    m_fileExt = parts.ext;
    StoreIcon(associatedIcon(fileName));
    m_caption = parts.caption;
    m_filePath = parts.path;
    UpdateLayout();
}

void TExeButton::StoreCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    UpdateLayout();
}

void TExeButton::StoreFlag(int index, bool value) {
    if (bool* flag = flagField(*this, index))
        *flag = value;
    UpdateLayout();
}

bool TExeButton::Flag(int index) const {
    const bool* flag = flagField(*this, index);
    return flag != nullptr && *flag;
}

void TExeButton::UpdateLayout() {
    m_iconSize = m_largeIconShown ? 32 : 16;
    if (m_auto)
        resize(exeButtonSize(m_iconSize, m_showLabel, m_showIcon));
    repaint();
}

void TExeButton::Launch() {
    if (m_fileExt == QLatin1String(".DESKTOP") && !RunLink)
        launchDesktopFile(m_fileName, {});
    else
        openWithDesktop(m_fileName, m_filePath);
}

void TExeButton::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        return;
    m_down = Latch ? !m_down : true;
    repaint();
}

void TExeButton::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton)
        return;
    if (!Latch)
        m_down = false;
    repaint();
    const QPoint at = event->position().toPoint();
    // Strictly inside: the left column and the top row do not count.
    const bool inside = at.x() > 0 && at.x() < width() && at.y() > 0 && at.y() < height();
    if (inside && m_autoRun)
        Launch();
    if (event->button() == Qt::LeftButton && rect().contains(at))
        emit OnClick();
}

void TExeButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_border || m_down) {
        const QColor light = resolveColor(cl3DLight, palette());
        const QColor dark = resolveColor(cl3DDkShadow, palette());
        drawBevelFrame(painter, size(), m_down ? dark : light, m_down ? light : dark);
    }
    if (m_showLabel && !m_caption.isEmpty())
        paintLabel(painter);
    if (m_showIcon) {
        const QRect place(kIconLeft, kIconTop, m_iconSize, m_iconSize);
        if (m_largeIconShown)
            m_largeIcon.paint(&painter, place);
        else
            painter.drawPixmap(place, m_smallIcon);
    }
}

void TExeButton::paintLabel(QPainter& painter) {
    const QFontMetrics metrics(font());
    const int room = width() - 8 - (m_showIcon ? m_iconSize : 0);
    const int y = (height() - metrics.height()) / 2;
    const int x = std::max(0, (room - metrics.horizontalAdvance(m_caption)) / 2);
    const QString text = shortenedLabel(
        m_caption, room - x, [&](const QString& t) { return metrics.horizontalAdvance(t); });
    painter.setPen(resolveColor(clWindowText, palette()));
    painter.drawText(QRect(x + 4 + (m_showIcon ? m_iconSize : 0), y, room, metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop, text);
}
