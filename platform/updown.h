// TUpDown: arrow buttons that step the number of an associated edit.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

// Two stacked arrow buttons that step a whole number within Min..Max and show it in an
// associated line edit. The edit's text is the authority: a step starts from what was typed
// there when it is a whole number.
class TUpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(int Position READ Position WRITE setPosition)

public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return m_min; }
    void setMin(int min);
    int Max() const { return m_max; }
    void setMax(int max);
    int Increment() const { return m_increment; }
    void setIncrement(int increment) { m_increment = increment; }
    int Position() const { return m_position; }
    // Clamped into Min..Max and written to the associated edit.
    void setPosition(int position);
    QLineEdit* Associate() const { return m_associate; }
    // Its text is left alone until the first step; its Up and Down keys step from then on.
    void setAssociate(QLineEdit* edit);

public slots:
    void stepUp();
    void stepDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void stepBy(int direction);
    void showPosition();
    int clamped(long long position) const;

    QToolButton* m_up;
    QToolButton* m_down;
    QPointer<QLineEdit> m_associate;
    int m_min = 0;
    int m_max = 100;
    int m_increment = 1;
    int m_position = 0;
};
