#include "Unit1.h"
#include "ExeButtn.h"
#include "NumEdit.h"
#include "aboutbox.h"
#include "apperror.h"
#include "directorylistbox.h"
#include "filelistbox.h"
#include "fitlabel.h"
#include "gfxdlg.h"
#include "pathparts.h"
#include "pictureclipboard.h"
#include "startupdefaults.h"
#include "storagefolder.h"
#include "tfiledialog.h"
#include "tradiogroup.h"
#include "ttimer.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

TForm1* Form1 = nullptr;
TAboutForm* AboutForm = nullptr;

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    buildForm();
    bindEvents();
    m_clipboard = PictureClipboard::forThisPlatform();
    applyStartupSettings();
}

TForm1::~TForm1() = default;

void TForm1::bindEvents() {
    connect(Timer1, &TTimer::OnTimer, this, &TForm1::Timer1Timer);
    connect(start, &QPushButton::clicked, this, &TForm1::startClick);
    connect(StartMonitoring1, &QAction::triggered, this, &TForm1::startClick);
    connect(stop, &QPushButton::clicked, this, &TForm1::stopClick);
    connect(StopMonitoring1, &QAction::triggered, this, &TForm1::stopClick);
    connect(NumEdit1, &TNumEdit::changed, this, &TForm1::NumEdit1Change);
    connect(RestoreWindowSize1, &QAction::triggered, this, &TForm1::RestoreWindowSize1Click);
    connect(about, &QPushButton::clicked, this, &TForm1::aboutClick);
}

void TForm1::applyStartupSettings() {
    move(StartupDefaults::Left, StartupDefaults::Top);
    GfxDialog1->setSaveDirectory(QDir::homePath());
    GfxDialog1->setSaveFilterIndex(StartupDefaults::SaveType);
    editor->FileName = StartupDefaults::Edit();
    NumEdit1->setNumber(StartupDefaults::Delay);
    NumEdit2->setNumber(StartupDefaults::Max);
    NumEdit3->setNumber(StartupDefaults::Qual);
    Edit2->setText(StartupDefaults::Name());
    CheckBox1->setChecked(StartupDefaults::Clear);
    CheckBox2->setChecked(StartupDefaults::Count);
    CheckBox3->setChecked(StartupDefaults::Jpeg);
    RadioGroup1->setItemIndex(StartupDefaults::Double);
    GrabCounter = CheckBox2->isChecked() ? StartupDefaults::LastCount : 0;

    const QString storage =
        defaultStorageFolder(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QDir().mkpath(storage); // usually there already; a failure shows when entering it
    try {
        DirBox->setDirectory(storage);
    } catch (const AppError&) {
        // The folder browser stays where it was; the user can pick another folder.
    }
    ExeButton1->setFileName(editor->FileName);
    Label2->setText(QStringLiteral("Select Editing Program - Currently ") +
                    fileNamePart(editor->FileName));
    fitLabel(Label2);
}

void TForm1::RestoreWindowSize1Click() {
    const QSize frame = frameGeometry().size() - size();
    setFixedSize(QSize(570, 349) - frame);
}

void TForm1::aboutClick() {
    const bool wasMonitoring = Timer1->Enabled();
    Timer1->setEnabled(false);
    AboutForm->exec();
    Timer1->setEnabled(wasMonitoring);
}
