// Drives the modal windows a handler opens, as a person would: acts on the first visible
// top-level widget of a kind once it is up.
#pragma once

#include <QApplication>
#include <QFileDialog>
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

// Picks `file` and presses the dialog's accept button, as a person would; a dialog that does not
// take the choice is cancelled, so the test fails instead of waiting forever.
inline void chooseInFileDialog(QFileDialog* dialog, const QString& file) {
    dialog->selectFile(file);
    QMetaObject::invokeMethod(dialog, "accept");
    if (dialog->isVisible())
        dialog->reject();
}
