// Clearing the grab store: every name the grab writer can produce for the current prefix.
#include "Unit1.h"
#include "directorylistbox.h"
#include "filelistbox.h"
#include "grabnames.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>

namespace {
// The largest range the grab writer can number: 000 to 998, whatever the maximum is now.
constexpr int kClearedNumbers = 999;
} // namespace

void TForm1::clearClick() {
    if (FileBox->count() == 0)
        return;
    QWidget* focused = QApplication::focusWidget();
    const auto answer = QMessageBox::warning(
        focused != nullptr ? focused->window() : this, QStringLiteral("CStash"),
        QStringLiteral("Delete all the Grab Images from the Store folder?\n\n"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return;
    const QString folder = grabFolderText(DirBox->Directory());
    const QString prefix = Edit2->text();
    for (int number = 0; number < kClearedNumbers; ++number) {
        QFile::remove(composeGrabName(folder, prefix, number, QStringLiteral(".bmp")));
        QFile::remove(composeGrabName(folder, prefix, number, QStringLiteral(".jpg")));
    }
    GrabCounter = 0;
    FileBox->Update();
}
