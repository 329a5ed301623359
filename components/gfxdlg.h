// Open and save dialogs coupled with quorpix: their filters come from the module's format
// lists, and pictures and files are converted through it.
#pragma once

#include "quorpixlibrary.h"
#include "tfiledialog.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>

class TGfxDialog : public QObject {
    Q_OBJECT
public:
    enum Pcdsize { p192x128, p384x256, p768x512 };
    enum Jpegscale { jsFull, jsHalf, jsQuarter };

    explicit TGfxDialog(QObject* parent = nullptr);
    ~TGfxDialog() override;

    Pcdsize PhotoCDSize = p768x512;
    Jpegscale JpegSize = jsFull;
    int JpegQuality = 80;
    // Empty: a fresh owner-only temporary file for each use; otherwise used as given.
    QString TempFileName;

    bool AutoFlush() const { return m_autoFlush; }
    void setAutoFlush(bool autoFlush) { m_autoFlush = autoFlush; }
    QString SaveDirectory() const { return GetPathText(1); }
    void setSaveDirectory(const QString& folder) { SetPathText(1, folder); }
    QString SaveFileName() const { return GetPathText(2); }
    void setSaveFileName(const QString& name) { SetPathText(2, name); }
    QString LoadDirectory() const { return GetPathText(3); }
    void setLoadDirectory(const QString& folder) { SetPathText(3, folder); }
    QString LoadFileName() const { return GetPathText(4); }
    void setLoadFileName(const QString& name) { SetPathText(4, name); }
    int SaveFilterIndex() const { return GetFilterIndex(1); }
    void setSaveFilterIndex(int index) { SetFilterIndex(1, index); }
    int LoadFilterIndex() const { return GetFilterIndex(0); }
    void setLoadFilterIndex(int index) { SetFilterIndex(0, index); }

    // True when the module cannot be loaded.
    virtual bool OpenLibrary();
    virtual void BuildFilters();
    // 1 save folder, 2 save file name, 3 open folder, 4 open file name; others: "".
    virtual QString GetPathText(int index) const;
    virtual void SetPathText(int index, const QString& value);
    // Nonzero: the save dialog's filter index; 0: the open dialog's.
    virtual int GetFilterIndex(int which) const;
    virtual void SetFilterIndex(int which, int value);

    void CloseLibrary();
    bool isLibraryLoaded() const { return m_library.isLoaded(); }
    bool ExecuteLoad();
    bool ExecuteSave();
    // Reads LoadFileName, in any format the module reads, into `graphic`.
    bool LoadGraphic(QImage& graphic);
    // Writes `graphic` to SaveFileName in the save dialog's chosen format.
    bool SaveGraphic(const QImage& graphic);
    // Converts LoadFileName into SaveFileName in the save dialog's chosen format.
    bool ConvertFile();

    TSaveDialog* SaveDialog;
    TOpenDialog* OpenDialog;

private:
    // The dialog field behind a path index, or null for an index that names none; one table
    // for reading and writing.
    QString* pathField(int index) const;
    bool execute(TFileDialog& dialog);
    void flushIfAsked();
    QString temporaryName() const;

    QuorpixLibrary m_library;
    std::int32_t m_blockWord = 0;
    unsigned char m_workBlock[1024] = {};
    bool m_autoFlush = false;
    int m_formatCount = 0;
};
