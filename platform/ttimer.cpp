#include "ttimer.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
    connect(&m_timer, &QTimer::timeout, this, &TTimer::OnTimer);
    rearm();
}

void TTimer::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    rearm();
}

void TTimer::setInterval(int milliseconds) {
    if (milliseconds == m_interval)
        return;
    m_interval = milliseconds;
    rearm();
}

void TTimer::rearm() {
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}
