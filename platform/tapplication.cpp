#include "tapplication.h"
#include "apperror.h"

#include <QMessageBox>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Clipstash"));
    setApplicationDisplayName(QStringLiteral("Clipstash"));
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(std::runtime_error("Unknown error"));
    }
    return false;
}

void TApplication::ShowException(const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, applicationDisplayName(), QString());
    if (const auto* appError = dynamic_cast<const AppError*>(&error)) {
        box.setText(appError->message());
        box.setInformativeText(appError->reason());
    } else {
        box.setText(QString::fromLocal8Bit(error.what()));
    }
    box.exec();
}
