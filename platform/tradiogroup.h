// A captioned group of radio buttons whose selection is an index, -1 meaning none.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class TRadioGroup final : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const { return m_buttons.checkedId(); }
    // Keeps the index within -1 .. last item: larger selects the last, lower selects nothing.
    void setItemIndex(int index);

private:
    QButtonGroup m_buttons;
};

// The index a radio group of `count` items shows for a requested index.
int clampItemIndex(int index, int count);
