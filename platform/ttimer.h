// Poll timer with the class library's rules: it ticks only while enabled with a nonzero interval.
#pragma once

#include <QObject>
#include <QTimer>

class TTimer final : public QObject {
    Q_OBJECT
public:
    explicit TTimer(QObject* parent = nullptr);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    int Interval() const { return m_interval; }
    // A bare QTimer with interval 0 fires on every loop pass; here 0 means no ticks at all.
    void setInterval(int milliseconds);
    bool isTicking() const { return m_timer.isActive(); }

signals:
    void OnTimer();

private:
    void rearm();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 1000;
};
