// The clipboard monitor: Start/Stop, the poll interval, and one grab per picture.
#include "NumEdit.h"
#include "Unit1.h"
#include "apperror.h"
#include "directorylistbox.h"
#include "filelistbox.h"
#include "grabnames.h"
#include "pictureclipboard.h"
#include "picturefile.h"
#include "quorpix.h"
#include "timage.h"
#include "ttimer.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {
// The conversion's scratch block; the program never reads or writes it.
unsigned char WorkBlock[QUORPIX_WORK_BLOCK_SIZE];
constexpr int kJpegFormat = 2;
} // namespace

void TForm1::startClick() {
    StartMonitoring1->setEnabled(false);
    start->setEnabled(StartMonitoring1->isEnabled());
    StopMonitoring1->setEnabled(true);
    stop->setEnabled(StopMonitoring1->isEnabled());
    m_clipboard->refresh();
    Timer1->setEnabled(true);
}

void TForm1::stopClick() {
    StopMonitoring1->setEnabled(false);
    stop->setEnabled(StopMonitoring1->isEnabled());
    StartMonitoring1->setEnabled(true);
    start->setEnabled(StartMonitoring1->isEnabled());
    Timer1->setEnabled(false);
}

void TForm1::NumEdit1Change() {
    Timer1->setInterval(truncatedOption(NumEdit1->Number()));
}

void TForm1::Timer1Timer() {
    const QString folder = grabFolderText(DirBox->Directory());
    if (!m_clipboard->hasPicture())
        return;
    GrabCounter = wrapGrabCounter(GrabCounter, truncatedOption(NumEdit2->Number()));
    const QString bmpName =
        composeGrabName(folder, Edit2->text(), GrabCounter, QStringLiteral(".bmp"));
    const QString jpgName =
        composeGrabName(folder, Edit2->text(), GrabCounter, QStringLiteral(".jpg"));
    const QImage picture = m_clipboard->takePicture();
    if (picture.isNull())
        return; // the owner offered no readable picture: nothing to grab
    Image1->setPicture(picture);
    const bool toJpeg = CheckBox3->isChecked();
    try {
        savePictureAsBmp(picture, bmpName, toJpeg ? BmpDepth::Bits32 : BmpDepth::Bits24);
    } catch (const AppError&) {
        // Pause first, so the error box is not shown again at every tick while it is open.
        stopClick();
        throw;
    }
    m_clipboard->empty();
    ++GrabCounter;
    if (toJpeg) {
        const QByteArray bmp = QFile::encodeName(bmpName);
        const QByteArray jpg = QFile::encodeName(jpgName);
        const int quality = truncatedOption(NumEdit3->Number());
        // Keep the BMP unless the JPEG really exists: a grab is never lost.
        if ((_bmptoanys(bmp.constData(), jpg.constData(), WorkBlock, kJpegFormat, quality) &
             0xff) &&
            QFile::exists(jpgName))
            QFile::remove(bmpName);
    }
    FileBox->Update();
    QApplication::beep();
    // Stored at once, so a run that ends abruptly never makes the next one reuse this number.
    saveGrabCounter();
}
