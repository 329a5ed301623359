// Drives the modal windows a handler opens, as a person would: acts on the first visible
// top-level widget of a kind once it is up.
#pragma once

#include <QApplication>
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
