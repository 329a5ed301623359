#include "gfxdlg.h"
#include "apperror.h"
#include "bitmapfile.h"
#include "pathparts.h"
#include "quorpix.h"
#include "tempfolder.h"

#include <QFile>
#include <cstring>

namespace {
// Where the module may find the caller's block word in the work block.
constexpr std::size_t kBlockWordOffset = 892;

QByteArray fileArgument(const QString& name) {
    return QFile::encodeName(name);
}
} // namespace

TGfxDialog::TGfxDialog(QObject* parent)
    : QObject(parent), SaveDialog(new TSaveDialog(this)), OpenDialog(new TOpenDialog(this)) {
    SaveDialog->DefaultExt = QStringLiteral("bmp");
    OpenDialog->DefaultExt = QStringLiteral("bmp");
    BuildFilters();
}

TGfxDialog::~TGfxDialog() {
    CloseLibrary();
}

bool TGfxDialog::OpenLibrary() {
    if (!m_library.isLoaded() && !m_library.load())
        return true;
    std::memcpy(m_workBlock + kBlockWordOffset, &m_blockWord, sizeof m_blockWord);
    return false;
}

void TGfxDialog::CloseLibrary() {
    m_library.unload();
}

void TGfxDialog::flushIfAsked() {
    if (m_autoFlush)
        CloseLibrary();
}

void TGfxDialog::BuildFilters() {
    SaveDialog->HideReadOnly = true;
    OpenDialog->HideReadOnly = true;
    if (OpenLibrary())
        return;
    const auto description = m_library.entry<PicTextFn>("_Pic_Description");
    const auto pattern = m_library.entry<PicTextFn>("_Pic_Pattern");
    const auto extension = m_library.entry<PicTextFn>("_Pic_Extension");
    const auto count = m_library.entry<PicCountFn>("_Pic_Count");
    if (description && pattern && extension && count) {
        m_formatCount = count();
        QString filter =
            QString::fromUtf8(description(0)) + u'|' + QString::fromUtf8(pattern(0)) + u'|';
        for (int i = 1; i <= m_formatCount; ++i)
            filter += QStringLiteral("%1 (%2)|%3|")
                          .arg(QString::fromUtf8(description(i)), QString::fromUtf8(extension(i)),
                               QString::fromUtf8(pattern(i)));
        OpenDialog->Filter = filter + QStringLiteral("All Files|*.*");
    }
    if (const auto saveFormats = m_library.entry<PicSaveFormatsFn>("_Pic_GetSaveFormats"))
        SaveDialog->Filter = QString::fromUtf8(saveFormats());
    flushIfAsked();
}

QString* TGfxDialog::pathField(int index) const {
    switch (index) {
    case 1:
        return &SaveDialog->InitialDir;
    case 2:
        return &SaveDialog->FileName;
    case 3:
        return &OpenDialog->InitialDir;
    case 4:
        return &OpenDialog->FileName;
    default:
        return nullptr;
    }
}

QString TGfxDialog::GetPathText(int index) const {
    const QString* field = pathField(index);
    return field != nullptr ? *field : QString();
}

void TGfxDialog::SetPathText(int index, const QString& value) {
    if (QString* field = pathField(index))
        *field = value;
}

int TGfxDialog::GetFilterIndex(int which) const {
    return which != 0 ? SaveDialog->FilterIndex : OpenDialog->FilterIndex;
}

void TGfxDialog::SetFilterIndex(int which, int value) {
    (which != 0 ? SaveDialog : static_cast<TFileDialog*>(OpenDialog))->FilterIndex = value;
}

bool TGfxDialog::execute(TFileDialog& dialog) {
    if (!dialog.Execute())
        return false;
    dialog.InitialDir = folderPart(dialog.FileName);
    return true;
}

bool TGfxDialog::ExecuteLoad() {
    return execute(*OpenDialog);
}

bool TGfxDialog::ExecuteSave() {
    return execute(*SaveDialog);
}

QString TGfxDialog::temporaryName() const {
    return TempFileName.isEmpty() ? makeTemporaryFile(QStringLiteral(".bmp")) : TempFileName;
}

bool TGfxDialog::LoadGraphic(QImage& graphic) {
    if (OpenLibrary())
        return false;
    bool result = false;
    if (const auto anyToBmp = m_library.entry<AnyToBmpFn>("_anytobmps")) {
        const QString temporary = temporaryName();
        const bool converted =
            anyToBmp(fileArgument(LoadFileName()).constData(), fileArgument(temporary).constData(),
                     m_workBlock, PhotoCDSize, JpegSize) != 0;
        if (converted) {
            graphic = readBitmapFile(temporary);
            if (graphic.isNull())
                throw AppError(QStringLiteral("Bitmap image is not valid"), temporary);
            QFile::remove(temporary);
            result = true;
        } else if (TempFileName.isEmpty()) {
            QFile::remove(temporary); // our own fresh file holds nothing anyone wants
        }
    }
    flushIfAsked();
    return result;
}

bool TGfxDialog::SaveGraphic(const QImage& graphic) {
    if (OpenLibrary())
        return false;
    bool result = false;
    if (const auto bmpToAny = m_library.entry<BmpToAnyFn>("_bmptoanys")) {
        const QString temporary = temporaryName();
        if (!graphic.save(temporary, "BMP"))
            throw AppError(QStringLiteral("Cannot create file %1").arg(temporary));
        result =
            bmpToAny(fileArgument(temporary).constData(), fileArgument(SaveFileName()).constData(),
                     m_workBlock, SaveFilterIndex(), JpegQuality) != 0;
        QFile::remove(temporary);
    }
    flushIfAsked();
    return result;
}

bool TGfxDialog::ConvertFile() {
    if (OpenLibrary())
        return false;
    bool result = false;
    if (const auto convert = m_library.entry<PicConvertFn>("_Pic_Convert"))
        result = convert(fileArgument(LoadFileName()).constData(),
                         fileArgument(SaveFileName()).constData(), m_workBlock, PhotoCDSize + 1,
                         JpegSize, SaveFilterIndex(), JpegQuality) != 0;
    flushIfAsked();
    return result;
}
