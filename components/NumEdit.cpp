#include "NumEdit.h"

#include "numberkeys.h"
#include "numberrules.h"
#include "numbertext.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <cmath>

namespace {

// Reading Number looks at no more than this many leading characters; the rest of a longer
// text stays in the field untouched.
constexpr qsizetype kWorkingCopyLimit = 255;

} // namespace

TNumEdit::TNumEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &TNumEdit::changed);
}

void TNumEdit::setAllowDecimal(bool allow) {
    m_allowDecimal = allow;
    if (!m_allowDecimal)
        m_number = roundToWhole(m_number);
    showNumber();
}

void TNumEdit::setAllowMinus(bool allow) {
    m_allowMinus = allow;
    if (!m_allowMinus && m_number < 0)
        m_number = std::fabs(m_number);
    showNumber();
}

double TNumEdit::Number() {
    const QString full = text();
    QString copy = full.left(kWorkingCopyLimit);
    const qsizetype comma = copy.indexOf(u',');
    if (comma >= 0) {
        copy.remove(comma, 1);
        setTextIfChanged(copy + full.mid(kWorkingCopyLimit));
    }
    m_number = parseNumber(copy);
    return m_number;
}

void TNumEdit::setNumber(double value) {
    m_number = clampToRange(value, m_min, m_max);
    if (!m_allowDecimal)
        m_number = roundToWhole(m_number);
    showNumber();
}

void TNumEdit::setMax(double max) {
    if (max > m_min)
        m_max = max;
    if (m_number > m_max)
        m_number = m_max;
    showNumber();
}

void TNumEdit::setMin(double min) {
    if (min < m_max)
        m_min = min;
    if (!(m_number >= m_min))
        m_number = m_min;
    showNumber();
}

void TNumEdit::ValidateNumber() {
    m_number = clampToRange(parseNumber(text()), m_min, m_max);
    showNumber();
}

void TNumEdit::keyPressEvent(QKeyEvent* event) {
    const auto character = typedCharacter(event->key(), event->modifiers(), event->text());
    if (!character) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    m_keyPressed = *character;
    const QString current = text();
    const FieldState field{current, cursorPosition(), selectionStart(), m_allowMinus,
                           m_allowDecimal};
    switch (judgeKey(*character, field)) {
    case KeyVerdict::Accept:
        QLineEdit::keyPressEvent(event);
        return;
    case KeyVerdict::Validate:
        ValidateNumber();
        break;
    case KeyVerdict::Refuse:
        break;
    }
    event->accept();
}

void TNumEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu or a switch to another window is no leaving of the field.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
        ValidateNumber();
    QLineEdit::focusOutEvent(event);
}

void TNumEdit::showNumber() {
    setTextIfChanged(formatNumber(m_number));
}

void TNumEdit::setTextIfChanged(const QString& text) {
    if (text != this->text())
        setText(text);
}
