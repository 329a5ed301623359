// TNumEdit: the numeric entry field of the Setup page.
#pragma once

#include <QLineEdit>

// A line edit for one number within Min..Max. Typing is limited to what can form such a
// number; leaving the field, Tab and Return validate it. Text set by the program, pasted
// from the context menu or written by an up-down control is taken as it is.
class TNumEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool AllowDecimal READ AllowDecimal WRITE setAllowDecimal)
    Q_PROPERTY(bool AllowMinus READ AllowMinus WRITE setAllowMinus)
    Q_PROPERTY(double Number READ Number WRITE setNumber NOTIFY changed)
    Q_PROPERTY(double Max READ Max WRITE setMax)
    Q_PROPERTY(double Min READ Min WRITE setMin)
    Q_PROPERTY(qint32 KeyPressed READ KeyPressed)

public:
    explicit TNumEdit(QWidget* parent = nullptr);

    bool AllowDecimal() const { return m_allowDecimal; }
    void setAllowDecimal(bool allow);
    bool AllowMinus() const { return m_allowMinus; }
    void setAllowMinus(bool allow);
    // Reading parses the text as typed, without clamping; the text's first comma is dropped
    // from the field as well, so "1,500" reads 1500.
    double Number();
    void setNumber(double value);
    double Max() const { return m_max; }
    void setMax(double max);
    double Min() const { return m_min; }
    void setMin(double min);
    // Code of the last typed character, signed 8-bit (see typedCharacter).
    qint32 KeyPressed() const { return m_keyPressed; }

public slots:
    void ValidateNumber();

signals:
    // Every change of the text, whoever made it.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showNumber();
    void setTextIfChanged(const QString& text);

    bool m_allowDecimal = false;
    bool m_allowMinus = false;
    double m_number = 0;
    double m_max = 1000;
    double m_min = -1000;
    qint32 m_keyPressed = 0;
};
