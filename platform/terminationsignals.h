// SIGTERM, SIGINT and SIGHUP turned into a Qt signal, so the window can close normally.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    // Installs the handlers for the life of the process; one instance per process.
    explicit TerminationSignals(QObject* parent = nullptr);

signals:
    void requested();

private:
    QSocketNotifier* m_notifier;
};
