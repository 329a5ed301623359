// The About window. A plain form until its version records and pages are built.
#pragma once

#include <QDialog>

class TAboutForm final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget* parent = nullptr);
};
