// What the user does with the listed grabs, and the choice of the editor program.
#include "ExeButtn.h"
#include "Unit1.h"
#include "desktoplauncher.h"
#include "filelistbox.h"
#include "gfxdlg.h"
#include "pathparts.h"
#include "quorpix.h"
#include "tfiledialog.h"
#include "thumb.h"
#include "tradiogroup.h"

#include <QFile>
#include <QProcess>

void TForm1::FileBoxChange() {
    // Emptied first, so selecting the grab already shown loads it afresh: the file may have
    // been rewritten under the same name after the numbering restarted.
    Thumbnail1->setFileName(QString());
    Thumbnail1->setFileName(FileBox->FileName());
}

void TForm1::Thumbnail1Click() {
    if (!GfxDialog1->ExecuteSave())
        return;
    GfxDialog1->setLoadFileName(FileBox->FileName());
    GfxDialog1->setSaveFileName(GfxDialog1->SaveDialog->FileName);
    GfxDialog1->ConvertFile();
}

void TForm1::doeditClick() {
    const QString grab = Thumbnail1->FileName();
    // The grab travels as one argument, never through a shell, so no file name can inject
    // a command; with no current grab the editor still gets its (empty) argument.
    if (isLauncherFile(editor->FileName))
        launchDesktopFile(editor->FileName, grab.isEmpty() ? QStringList() : QStringList{grab});
    else
        QProcess::startDetached(editor->FileName, {grab});
}

void TForm1::cropClick() {
    _WinImageShow(QFile::encodeName(Thumbnail1->FileName()).constData(), 0);
}

void TForm1::delClick() {
    QFile::remove(Thumbnail1->FileName());
    Thumbnail1->setFileName(QString());
    FileBox->Update();
}

void TForm1::FileBoxDblClick() {
    switch (RadioGroup1->ItemIndex()) {
    case 0:
        cropClick();
        break;
    case 1:
        doeditClick();
        break;
    default:
        break; // "No Action", or nothing selected
    }
}

void TForm1::ExeButton1Click() {
    editor->InitialDir = folderPart(editor->FileName);
    editor->Execute(); // a cancel keeps the editor; the button and label are refreshed anyway
    showEditor();
}
