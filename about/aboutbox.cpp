#include "aboutbox.h"

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Clipstash"));
}
