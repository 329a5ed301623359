// The application object: shows any exception that reaches the event loop and carries on.
#pragma once

#include <QApplication>
#include <exception>

class TApplication final : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
    // The standard error box: the exception's text, and its reason when it has one.
    static void ShowException(const std::exception& error);
};
