// Loading the settings into the window at start-up and saving them when it closes.
#include "ExeButtn.h"
#include "NumEdit.h"
#include "Unit1.h"
#include "apperror.h"
#include "directorylistbox.h"
#include "fitlabel.h"
#include "gfxdlg.h"
#include "grabnames.h"
#include "pathparts.h"
#include "settingkeys.h"
#include "storagefolder.h"
#include "tfiledialog.h"
#include "tradiogroup.h"
#include "tregini.h"
#include "ttimer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>

using namespace Settings;

void TForm1::loadSettings() {
    m_settings = std::make_unique<TRegIniFile>(QStringLiteral("Velmor"));
    TRegIniFile& ini = *m_settings;
    ini.WriteString(Section, Program, QCoreApplication::applicationFilePath());
    move(x(), ini.ReadInteger(Section, Top, Default::Top));
    move(ini.ReadInteger(Section, Left, Default::Left), y());
    GfxDialog1->setSaveDirectory(ini.ReadString(Section, Save, QDir::homePath()));
    GfxDialog1->setSaveFilterIndex(ini.ReadInteger(Section, SaveType, Default::SaveType));
    editor->FileName = ini.ReadString(Section, Edit, Default::Edit);
    NumEdit1->setNumber(ini.ReadInteger(Section, Delay, Default::Delay));
    NumEdit2->setNumber(ini.ReadInteger(Section, Max, Default::Max));
    NumEdit3->setNumber(ini.ReadInteger(Section, Qual, Default::Qual));
    Edit2->setText(ini.ReadString(Section, Name, Default::Name));
    CheckBox1->setChecked(ini.ReadInteger(Section, Clear, Default::Clear) != 0);
    CheckBox2->setChecked(ini.ReadInteger(Section, Count, Default::Count) != 0);
    CheckBox3->setChecked(ini.ReadInteger(Section, Jpeg, Default::Jpeg) != 0);
    RadioGroup1->setItemIndex(ini.ReadInteger(Section, Double, Default::Double));
    GrabCounter = ini.ReadInteger(Section, LastCount, Default::LastCount);
    if (!CheckBox2->isChecked())
        GrabCounter = 0;
    enterStorageFolder();
    showEditor();
}

void TForm1::enterStorageFolder() {
    const QString fallback =
        defaultStorageFolder(QCoreApplication::applicationDirPath(),
                             QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QDir().mkpath(fallback); // usually there already; a failure shows when entering it
    try {
        DirBox->setDirectory(m_settings->ReadString(Section, Store, fallback));
    } catch (const AppError&) {
        // A stored folder that is gone or unreadable: the browser stays where it was.
    }
}

void TForm1::showEditor() {
    ExeButton1->setFileName(editor->FileName);
    Label2->setText(QStringLiteral("Select Editing Program - Currently ") +
                    fileNamePart(editor->FileName));
    fitLabel(Label2);
}

void TForm1::FormClose(CloseKind kind) {
    if (CheckBox1->isChecked() && kind == CloseKind::ByUser)
        clearClick();
    TRegIniFile& ini = *m_settings;
    ini.WriteInteger(Section, Top, y());
    ini.WriteInteger(Section, Left, x());
    ini.WriteInteger(Section, SaveType, GfxDialog1->SaveFilterIndex());
    ini.WriteInteger(Section, Delay, truncatedOption(NumEdit1->Number()));
    ini.WriteInteger(Section, Max, truncatedOption(NumEdit2->Number()));
    ini.WriteInteger(Section, Qual, truncatedOption(NumEdit3->Number()));
    ini.WriteInteger(Section, Clear, CheckBox1->isChecked() ? 1 : 0);
    ini.WriteInteger(Section, Count, CheckBox2->isChecked() ? 1 : 0);
    ini.WriteInteger(Section, Jpeg, CheckBox3->isChecked() ? 1 : 0);
    ini.WriteInteger(Section, Double, RadioGroup1->ItemIndex());
    ini.WriteInteger(Section, LastCount, GrabCounter);
    ini.WriteString(Section, Store, DirBox->Directory());
    ini.WriteString(Section, Save, GfxDialog1->SaveDirectory());
    ini.WriteString(Section, Edit, editor->FileName);
    ini.WriteString(Section, Name, Edit2->text());
    m_settings.reset();
    // A grab after this point would carry a number the next run hands out again.
    Timer1->setEnabled(false);
}

void TForm1::saveGrabCounter() {
    if (!m_settings)
        return;
    try {
        m_settings->WriteInteger(Section, LastCount, GrabCounter);
    } catch (const AppError&) {
        // Best effort between grabs; the close reports a settings file that cannot be written.
    }
}
