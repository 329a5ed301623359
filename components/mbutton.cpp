#include "mbutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

BevelLook bevelLook(const BevelState& state) {
    using enum BevelTone;
    BevelLook look;
    if (!state.border && !state.hoverPaint && !state.down) {
        look.tones.fill(Face);
        return look;
    }
    if (!state.down) {
        look.tones = {Light, Light, Light, Light, Dark, Dark, Dark, Dark};
        return look;
    }
    look.tones = {Dark, Dark, Dark, Dark, Light, Light, Light, Light};
    if (!state.rockerLR)
        return look;
    look.clickLeft = state.pressX < state.width / 2;
    // The pressed half stays sunken, the other half is raised.
    if (*look.clickLeft) {
        look.tones[3] = Light;
        look.tones[4] = look.tones[5] = look.tones[6] = Dark;
    } else {
        look.tones[0] = look.tones[1] = look.tones[2] = Light;
        look.tones[7] = Dark;
    }
    return look;
}

QRect pictureRect(QSize control, QSize picture, bool stretch) {
    if (stretch)
        return QRect(2, 2, std::max(0, control.width() - 4), std::max(0, control.height() - 4));
    return QRect(
        QPoint((control.width() - picture.width()) / 2, (control.height() - picture.height()) / 2),
        picture);
}

bool outsideControl(QPoint point, QSize control) {
    return point.x() < 0 || point.y() < 0 || point.x() > control.width() ||
           point.y() > control.height();
}

TMButton::TMButton(QWidget* parent) : QWidget(parent) {
    m_flags[HighlightFlag] = true;
    m_flags[BorderFlag] = true;
    m_flags[StretchFlag] = true;
    // Moves arrive without a button held, as the hover tracking needs.
    setMouseTracking(true);
}

bool TMButton::Flag(int index) const {
    return index >= 0 && index < static_cast<int>(m_flags.size()) && m_flags[index];
}

void TMButton::SetFlag(int index, bool value) {
    switch (index) {
    case LatchFlag:
    case DownFlag:
    case BorderFlag:
    case StretchFlag:
    case RockerLRFlag:
    case RockerUDFlag:
    case HighlightFlag:
        m_flags[index] = value;
        break;
    default:
        break;
    }
    Refresh();
}

void TMButton::Refresh() {
    repaint();
}

void TMButton::setBitmap(const QImage& picture) {
    m_bitmap = picture.copy();
    Refresh();
}

void TMButton::setColorDark(TColor color) {
    m_colorDark = color;
    Refresh();
}

void TMButton::setColorLight(TColor color) {
    m_colorLight = color;
    Refresh();
}

QColor TMButton::Color() const {
    if (m_color)
        return *m_color;
    const QWidget* parent = parentWidget();
    return parent ? parent->palette().color(parent->backgroundRole())
                  : palette().color(backgroundRole());
}

void TMButton::setColor(const QColor& color) {
    m_color = color;
    QPalette own = palette();
    own.setColor(backgroundRole(), color);
    setPalette(own);
    setAutoFillBackground(true);
    Refresh();
}

void TMButton::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit OnMouseDown(event->button(), event->modifiers(), at.x(), at.y());
    m_pressPosition = at;
    const Qt::MouseButton button = event->button();
    if (button != Qt::LeftButton && button != Qt::MiddleButton)
        return;
    m_leftPressed = button == Qt::LeftButton;
    m_flags[DownFlag] = Latch() ? !Down() : true;
    Refresh();
    if (m_dropDownMenu && Down())
        dropMenuDown();
}

void TMButton::dropMenuDown() {
    QPointer<TMButton> alive(this);
    m_dropDownMenu->exec(mapToGlobal(QPoint(0, height())));
    // The menu's own loop may have closed the window that held the button.
    if (!alive)
        return;
    // The menu took the release; the button comes up whatever it was.
    m_flags[DownFlag] = false;
    m_leftPressed = false;
    m_tracking = false;
    Refresh();
}

void TMButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!Highlight()) {
        emit OnMouseMove(event->modifiers(), at.x(), at.y());
        return;
    }
    // Moves outside reach the button only while one of its presses is held.
    if (outsideControl(at, size())) {
        if (m_tracking)
            stopTracking();
        return;
    }
    if (!m_tracking) {
        m_tracking = true;
        m_hoverPaint = true;
        Refresh();
        m_hoverPaint = false;
    }
    emit OnMouseMove(event->modifiers(), at.x(), at.y());
}

void TMButton::leaveEvent(QEvent* event) {
    if (m_tracking)
        stopTracking();
    QWidget::leaveEvent(event);
}

void TMButton::stopTracking() {
    m_tracking = false;
    Refresh();
}

void TMButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    const bool click = button == Qt::LeftButton && m_leftPressed && rect().contains(at);
    if (button == Qt::LeftButton)
        m_leftPressed = false;
    if (click) {
        QPointer<TMButton> alive(this);
        emit OnClick();
        if (!alive)
            return;
    }
    emit OnMouseUp(button, event->modifiers(), at.x(), at.y());
    if (button != Qt::LeftButton && button != Qt::MiddleButton)
        return;
    if (!Latch())
        m_flags[DownFlag] = false;
    m_tracking = false;
    Refresh();
}

void TMButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBevel(painter);
    if (m_bitmap.isNull())
        return;
    const QRect target = pictureRect(size(), m_bitmap.size(), Stretch());
    if (Stretch()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_bitmap);
    } else {
        painter.drawImage(target.topLeft(), m_bitmap);
    }
}

namespace {
// One half-edge as the class library draws a line: from its start up to, not including, its end.
void drawHalfEdge(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
    if (from == to)
        return;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()),
                      (to.y() > from.y()) - (to.y() < from.y()));
    const QPoint last = to - step;
    painter.fillRect(QRect(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                           QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y()))),
                     color);
}
} // namespace

void TMButton::paintBevel(QPainter& painter) {
    const BevelLook look =
        bevelLook({Down(), RockerLR(), Border(), m_hoverPaint, m_pressPosition.x(), width()});
    if (look.clickLeft)
        m_clickLeft = *look.clickLeft;
    const QColor light = resolveColor(m_colorLight, palette());
    const QColor dark = resolveColor(m_colorDark, palette());
    // Face edges of a button without a colour of its own let the parent show through.
    const QColor face = m_color.value_or(Qt::transparent);
    const int w = width();
    const int h = height();
    const std::array<QPoint, 9> corners{{{0, h - 1},
                                         {0, h / 2},
                                         {0, 0},
                                         {w / 2, 0},
                                         {w - 1, 0},
                                         {w - 1, h / 2},
                                         {w - 1, h - 1},
                                         {w / 2, h - 1},
                                         {0, h - 1}}};
    for (std::size_t edge = 0; edge < look.tones.size(); ++edge) {
        const BevelTone tone = look.tones[edge];
        drawHalfEdge(painter, corners[edge], corners[edge + 1],
                     tone == BevelTone::Light  ? light
                     : tone == BevelTone::Dark ? dark
                                               : face);
    }
}
