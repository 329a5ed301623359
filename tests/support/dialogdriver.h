// Drives the modal windows a handler opens, as a person would: acts on the first visible
// top-level widget of a kind once it is up.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

template <typename Window> void whenOpen(const std::function<void(Window*)>& act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* window = qobject_cast<Window*>(widget);
            if (window != nullptr && window->isVisible()) {
                poll->deleteLater();
                act(window);
                return;
            }
        }
    });
    poll->start(10);
}

// Types `file` into the dialog's name field and presses its accept button, as a person would.
// Should the dialog refuse (a message box, or staying open), everything is cancelled a little
// later, so the test fails instead of waiting forever.
inline void chooseInFileDialog(QFileDialog* dialog, const QString& file) {
    dialog->selectFile(file);
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        name->setText(file); // selectFile alone can lag behind the folder being read
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    QTimer::singleShot(2000, [open = QPointer<QFileDialog>(dialog)] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
                box->reject();
        if (open != nullptr && open->isVisible())
            open->reject();
    });
}
