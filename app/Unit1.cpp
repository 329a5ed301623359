#include "Unit1.h"
#include "ExeButtn.h"
#include "NumEdit.h"
#include "aboutbox.h"
#include "apperror.h"
#include "filelistbox.h"
#include "pictureclipboard.h"
#include "tregini.h"
#include "ttimer.h"

#include <QAction>
#include <QCloseEvent>
#include <QPushButton>
#include <cstdio>

TForm1* Form1 = nullptr;
TAboutForm* AboutForm = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    buildForm();
    bindEvents();
    m_clipboard = PictureClipboard::forThisPlatform();
    loadSettings();
}

TForm1::~TForm1() = default;

void TForm1::closeEvent(QCloseEvent* event) {
    // Stay open unless the close handler finishes: a settings file that cannot be written is
    // reported and the window waits for another close.
    event->ignore();
    if (m_closeKind == CloseKind::Unattended) {
        try {
            FormClose(m_closeKind);
        } catch (const AppError& error) {
            // Nobody is there to read a box; the process ends regardless.
            std::fprintf(stderr, "%s: %s\n", qPrintable(error.message()),
                         qPrintable(error.reason()));
        }
    } else {
        FormClose(m_closeKind);
    }
    event->accept();
}

void TForm1::closeUnattended() {
    m_closeKind = CloseKind::Unattended;
    close();
}

void TForm1::bindEvents() {
    connect(Timer1, &TTimer::OnTimer, this, &TForm1::Timer1Timer);
    connect(start, &QPushButton::clicked, this, &TForm1::startClick);
    connect(StartMonitoring1, &QAction::triggered, this, &TForm1::startClick);
    connect(stop, &QPushButton::clicked, this, &TForm1::stopClick);
    connect(StopMonitoring1, &QAction::triggered, this, &TForm1::stopClick);
    connect(NumEdit1, &TNumEdit::changed, this, &TForm1::NumEdit1Change);
    connect(FileBox, &TFileListBox::OnChange, this, &TForm1::FileBoxChange);
    connect(FileBox, &TFileListBox::OnDblClick, this, &TForm1::FileBoxDblClick);
    connect(save, &QPushButton::clicked, this, &TForm1::Thumbnail1Click);
    connect(Save1, &QAction::triggered, this, &TForm1::Thumbnail1Click);
    connect(doedit, &QPushButton::clicked, this, &TForm1::doeditClick);
    connect(Edit1, &QAction::triggered, this, &TForm1::doeditClick);
    connect(crop, &QPushButton::clicked, this, &TForm1::cropClick);
    connect(View1, &QAction::triggered, this, &TForm1::cropClick);
    connect(del, &QPushButton::clicked, this, &TForm1::delClick);
    connect(Delete1, &QAction::triggered, this, &TForm1::delClick);
    connect(ExeButton1, &TExeButton::OnClick, this, &TForm1::ExeButton1Click);
    connect(clear, &QPushButton::clicked, this, &TForm1::clearClick);
    connect(ClearGrabs1, &QAction::triggered, this, &TForm1::clearClick);
    connect(RestoreWindowSize1, &QAction::triggered, this, &TForm1::RestoreWindowSize1Click);
    connect(about, &QPushButton::clicked, this, &TForm1::aboutClick);
}

void TForm1::RestoreWindowSize1Click() {
    const QSize frame = frameGeometry().size() - size();
    setFixedSize(QSize(570, 349) - frame);
}

void TForm1::aboutClick() {
    // No grabs while the window is open; monitoring goes on afterwards only if it was on.
    const bool wasMonitoring = Timer1->Enabled();
    Timer1->setEnabled(false);
    AboutForm->Description =
        QStringLiteral("Program to allow multiple images to be copied to the clipboard using the "
                       "PrintScreen key\n\nSet the folder to store the grabs in and click Start "
                       "Monitoring then each time a graphical image is found it will be saved as a "
                       "bmp and the Clipboard cleared");
    AboutForm->exec();
    Timer1->setEnabled(wasMonitoring);
}
