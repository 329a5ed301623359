// Combo of the mounted volumes; choosing one moves the linked folder browser to its root.
#pragma once

#include <QComboBox>

class TDirectoryListBox;

class TDriveComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit TDriveComboBox(QWidget* parent = nullptr);

    void setDirList(TDirectoryListBox* dirList);
    // Re-reads the mounted volumes.
    void refreshVolumes();

private:
    void followFolder(const QString& folder);

    TDirectoryListBox* m_dirList = nullptr;
};

// True for kernel and virtual file systems that hold no user files.
bool isPseudoFileSystem(const QByteArray& type);

// Index of the mount point that holds `folder` (the longest matching root), or -1.
int volumeIndexFor(const QStringList& roots, const QString& folder);
