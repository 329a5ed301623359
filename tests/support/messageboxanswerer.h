// Answers the message boxes a handler opens, as a person would, and remembers what they said.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QTimer>

struct SeenMessageBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class MessageBoxAnswerer final : public QObject {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer);

    const QList<SeenMessageBox>& seen() const { return m_seen; }

private:
    void answerOpenBox();

    QMessageBox::StandardButton m_answer;
    QTimer m_poll;
    QList<SeenMessageBox> m_seen;
};
