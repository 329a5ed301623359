#include "tradiogroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

int clampItemIndex(int index, int count) {
    if (index >= count)
        return count - 1;
    return index < -1 ? -1 : index;
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 2, 8, 4);
    column->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        m_buttons.addButton(button, i);
        column->addWidget(button);
    }
}

void TRadioGroup::setItemIndex(int index) {
    const int shown = clampItemIndex(index, m_buttons.buttons().size());
    if (shown < 0) {
        // An exclusive group cannot uncheck its last button; lift the rule for a moment.
        m_buttons.setExclusive(false);
        for (QAbstractButton* button : m_buttons.buttons())
            button->setChecked(false);
        m_buttons.setExclusive(true);
        return;
    }
    m_buttons.button(shown)->setChecked(true);
}
