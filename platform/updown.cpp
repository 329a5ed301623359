#include "updown.h"

#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // Clicking must not take the focus: leaving the edit would validate it mid-step.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(Qt::UpArrow, this)),
      m_down(arrowButton(Qt::DownArrow, this)) {
    connect(m_up, &QToolButton::clicked, this, &TUpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &TUpDown::stepDown);
}

void TUpDown::setMin(int min) {
    m_min = min;
    m_position = clamped(m_position);
}

void TUpDown::setMax(int max) {
    m_max = max;
    m_position = clamped(m_position);
}

void TUpDown::setPosition(int position) {
    m_position = clamped(position);
    showPosition();
}

void TUpDown::setAssociate(QLineEdit* edit) {
    if (m_associate)
        m_associate->removeEventFilter(this);
    m_associate = edit;
    if (m_associate)
        m_associate->installEventFilter(this);
}

void TUpDown::stepUp() {
    stepBy(1);
}

void TUpDown::stepDown() {
    stepBy(-1);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_associate && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upHeight);
    m_down->setGeometry(0, upHeight, width(), height() - upHeight);
}

void TUpDown::stepBy(int direction) {
    if (m_associate) {
        bool whole = false;
        const int typed = m_associate->text().toInt(&whole);
        if (whole)
            m_position = clamped(typed);
    }
    m_position = clamped(m_position + static_cast<long long>(direction) * m_increment);
    showPosition();
}

void TUpDown::showPosition() {
    const QString text = QString::number(m_position);
    if (m_associate && m_associate->text() != text)
        m_associate->setText(text);
}

int TUpDown::clamped(long long position) const {
    const auto [low, high] = std::minmax(m_min, m_max);
    return static_cast<int>(std::clamp<long long>(position, low, high));
}
