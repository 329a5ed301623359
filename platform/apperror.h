// The error a handler raises for the application's error box: a message and an optional reason.
#pragma once

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message, const QString& reason = QString())
        : std::runtime_error(message.toStdString()), m_message(message), m_reason(reason) {}

    QString message() const { return m_message; }
    QString reason() const { return m_reason; }

private:
    QString m_message;
    QString m_reason;
};
