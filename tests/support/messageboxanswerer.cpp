#include "messageboxanswerer.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxAnswerer::MessageBoxAnswerer(QMessageBox::StandardButton answer) : m_answer(answer) {
    connect(&m_poll, &QTimer::timeout, this, &MessageBoxAnswerer::answerOpenBox);
    m_poll.start(10);
}

void MessageBoxAnswerer::answerOpenBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible())
            continue;
        m_seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        if (QAbstractButton* button = box->button(m_answer))
            button->click();
        else
            box->reject();
    }
}
