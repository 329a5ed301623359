// Folder browser: the current folder's ancestors, then its sub-folders; double-click enters.
#pragma once

#include <QListWidget>

class TFileListBox;

class TDirectoryListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit TDirectoryListBox(QWidget* parent = nullptr);

    QString Directory() const { return m_directory; }
    // Enters the folder and makes it the process's current folder; throws AppError when the
    // folder cannot be entered, leaving the list where it was.
    void setDirectory(const QString& folder);
    void setFileList(TFileListBox* fileList);
    void setItemHeight(int height) { m_itemHeight = height; }

signals:
    void directoryChanged(const QString& folder);

private:
    void fill();
    void addFolderItem(const QString& path, const QString& text, int depth, bool open);

    QString m_directory;
    TFileListBox* m_fileList = nullptr;
    int m_itemHeight = 16;
};
